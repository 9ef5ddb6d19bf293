'[L NUMS] (Line numbers added by Quillmere)
VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmMain 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Billing"
   ClientHeight    =   4815
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   7215
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   4815
   ScaleWidth      =   7215
   StartUpPosition =   2  'CenterScreen
   Begin MSComDlg.CommonDialog dlgOpen 
      Left            =   6480
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
   End
   Begin MSComctlLib.ListView lvwInvoices 
      Height          =   3495
      Left            =   120
      TabIndex        =   1
      Top             =   600
      Width           =   6975
      _ExtentX        =   12303
      _ExtentY        =   6165
      View            =   3
      LabelEdit       =   1
      LabelWrap       =   -1  'True
      HideSelection   =   -1  'True
      _Version        =   393217
      ForeColor       =   -2147483640
      BackColor       =   -2147483643
      BorderStyle     =   1
      Appearance      =   1
      NumItems        =   0
   End
   Begin VB.CommandButton cmdTotal 
      Caption         =   "&Total"
      Height          =   375
      Left            =   5880
      TabIndex        =   0
      Top             =   4200
      Width           =   1215
   End
   Begin VB.Label lblTotal 
      Caption         =   "Total:"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   4260
      Width           =   3615
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

' Main window of the billing program: lists the open invoices.
Public CurrentCustomer As String
Public InvoiceCount As Long
Private mInvoices As Collection

Private Sub Form_Load()
'SS****** Do Not Delete, required by Quillmere
10 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub Form_Load()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
15     On Error GoTo LoadFailed
20     Set mInvoices = New Collection
25     lvwInvoices.ColumnHeaders.Add , , "Number"
30     lvwInvoices.ColumnHeaders.Add , , "Customer"
35     lvwInvoices.ColumnHeaders.Add , , "Amount"
40     RefreshList
45     Exit Sub
LoadFailed:
50     MsgBox "Cannot load the invoices: " & Err.Description, vbExclamation, APP_TITLE
'ES****** Do Not Delete, required by Quillmere
55 Exit Sub
ErrorHandler:
60 sLocalVariableDump = "No Local Variables"
65 sErrorMessage = "Error " & Err.Number & vbCrLf
70 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
75 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
80 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
85 sErrorMessage = sErrorMessage & sLocalVariableDump
90 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
95     End
Case vbRetry
100     Resume
Case vbIgnore
105     Resume Next
110 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub cmdTotal_Click()
'SS****** Do Not Delete, required by Quillmere
115 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub cmdTotal_Click()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim dTotal As Double
    Dim oInvoice As clsInvoice
120     For Each oInvoice In mInvoices
125         dTotal = dTotal + oInvoice.Total
130     Next oInvoice
135     lblTotal.Caption = "Total: " & Format$(dTotal, "0.00") & _
                       " (" & mInvoices.Count & " invoices)"
'ES****** Do Not Delete, required by Quillmere
140 Exit Sub
ErrorHandler:
145 sLocalVariableDump = sLocalVariableDump & sVariableReport(dTotal, "dTotal") & VBCrLf

150 sErrorMessage = "Error " & Err.Number & vbCrLf
155 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
160 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
165 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
170 sErrorMessage = sErrorMessage & sLocalVariableDump
175 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
180     End
Case vbRetry
185     Resume
Case vbIgnore
190     Resume Next
195 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub RefreshList()
'SS****** Do Not Delete, required by Quillmere
200 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub RefreshList()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
Dim oInvoice As clsInvoice
Dim oItem As ListItem
205 lvwInvoices.ListItems.Clear
210 For Each oInvoice In mInvoices
215 Set oItem = lvwInvoices.ListItems.Add(, , CStr(oInvoice.Number))
220 oItem.SubItems(1) = oInvoice.Customer
225 oItem.SubItems(2) = Format$(oInvoice.Total, "0.00")
230 Next
235 InvoiceCount = mInvoices.Count
'ES****** Do Not Delete, required by Quillmere
240 Exit Sub
ErrorHandler:
245 sLocalVariableDump = "No Local Variables"
250 sErrorMessage = "Error " & Err.Number & vbCrLf
255 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
260 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
265 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
270 sErrorMessage = sErrorMessage & sLocalVariableDump
275 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
280     End
Case vbRetry
285     Resume
Case vbIgnore
290     Resume Next
295 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Function AddInvoice(ByVal sCustomer As String, _
                           ByVal dAmount As Double) As clsInvoice
'SS****** Do Not Delete, required by Quillmere
300 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Public Function AddInvoice(ByVal sCustomer As String,  ByVal dAmount As Double) As clsInvoice"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim oInvoice As clsInvoice
305     Set oInvoice = New clsInvoice
310     oInvoice.Customer = sCustomer
315     oInvoice.AddLine "Goods", 1, dAmount
320     mInvoices.Add oInvoice
325     CurrentCustomer = sCustomer
330     RefreshList
335     Set AddInvoice = oInvoice
'ES****** Do Not Delete, required by Quillmere
340 Exit Function
ErrorHandler:
345 sLocalVariableDump = "No Local Variables"
350 sErrorMessage = "Error " & Err.Number & vbCrLf
355 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
360 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
365 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
370 sErrorMessage = sErrorMessage & sLocalVariableDump
375 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
380     End
Case vbRetry
385     Resume
Case vbIgnore
390     Resume Next
395 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

'<ignore>
Private Sub Form_Unload(Cancel As Integer)
'SS****** Do Not Delete, required by Quillmere
400 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub Form_Unload(Cancel As Integer)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
405     Set mInvoices = Nothing
'ES****** Do Not Delete, required by Quillmere
410 Exit Sub
ErrorHandler:
415 sLocalVariableDump = "No Local Variables"
420 sErrorMessage = "Error " & Err.Number & vbCrLf
425 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
430 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
435 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
440 sErrorMessage = sErrorMessage & sLocalVariableDump
445 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
450     End
Case vbRetry
455     Resume
Case vbIgnore
460     Resume Next
465 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
'</ignore>

Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)
    ' Crédit notes (negative amounts) show in red
'SS****** Do Not Delete, required by Quillmere
470 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
475     Select Case Val(Item.SubItems(2))
        Case Is < 0
480             Item.ForeColor = vbRed
        Case Else
485             Item.ForeColor = vbWindowText
490     End Select
'ES****** Do Not Delete, required by Quillmere
495 Exit Sub
ErrorHandler:
500 sLocalVariableDump = "No Local Variables"
505 sErrorMessage = "Error " & Err.Number & vbCrLf
510 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
515 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
520 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
525 sErrorMessage = sErrorMessage & sLocalVariableDump
530 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
535     End
Case vbRetry
540     Resume
Case vbIgnore
545     Resume Next
550 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
Private Function sModuleVariables() as string
'Function to return all the values of the variables available
'at module level.
'Requires:
'   Nothing
'Returns:
'   A string containing a list of variables and their values
'Code Created by Quillmere from Oskavel Software
'Visit www.oskavel.example for more information

Dim sMessage as String

555 sMessage = "No Module Level Variables"
'Return the module dump string
560 sModuleVariables = sMessage
End Function
