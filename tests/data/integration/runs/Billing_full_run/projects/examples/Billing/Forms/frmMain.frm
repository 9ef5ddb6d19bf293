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
60 sErrorMessage = "Error " & Err.Number & vbCrLf
65 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
70 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
75 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
80 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
85     End
Case vbRetry
90     Resume
Case vbIgnore
95     Resume Next
100 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub cmdTotal_Click()
'SS****** Do Not Delete, required by Quillmere
105 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub cmdTotal_Click()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim dTotal As Double
    Dim oInvoice As clsInvoice
110     For Each oInvoice In mInvoices
115         dTotal = dTotal + oInvoice.Total
120     Next oInvoice
125     lblTotal.Caption = "Total: " & Format$(dTotal, "0.00") & _
                       " (" & mInvoices.Count & " invoices)"
'ES****** Do Not Delete, required by Quillmere
130 Exit Sub
ErrorHandler:
135 sErrorMessage = "Error " & Err.Number & vbCrLf
140 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
145 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
150 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
155 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
160     End
Case vbRetry
165     Resume
Case vbIgnore
170     Resume Next
175 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub RefreshList()
'SS****** Do Not Delete, required by Quillmere
180 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub RefreshList()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
Dim oInvoice As clsInvoice
Dim oItem As ListItem
185 lvwInvoices.ListItems.Clear
190 For Each oInvoice In mInvoices
195 Set oItem = lvwInvoices.ListItems.Add(, , CStr(oInvoice.Number))
200 oItem.SubItems(1) = oInvoice.Customer
205 oItem.SubItems(2) = Format$(oInvoice.Total, "0.00")
210 Next
215 InvoiceCount = mInvoices.Count
'ES****** Do Not Delete, required by Quillmere
220 Exit Sub
ErrorHandler:
225 sErrorMessage = "Error " & Err.Number & vbCrLf
230 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
235 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
240 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
245 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
250     End
Case vbRetry
255     Resume
Case vbIgnore
260     Resume Next
265 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Function AddInvoice(ByVal sCustomer As String, _
                           ByVal dAmount As Double) As clsInvoice
'SS****** Do Not Delete, required by Quillmere
270 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Public Function AddInvoice(ByVal sCustomer As String,  ByVal dAmount As Double) As clsInvoice"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim oInvoice As clsInvoice
275     Set oInvoice = New clsInvoice
280     oInvoice.Customer = sCustomer
285     oInvoice.AddLine "Goods", 1, dAmount
290     mInvoices.Add oInvoice
295     CurrentCustomer = sCustomer
300     RefreshList
305     Set AddInvoice = oInvoice
'ES****** Do Not Delete, required by Quillmere
310 Exit Function
ErrorHandler:
315 sErrorMessage = "Error " & Err.Number & vbCrLf
320 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
325 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
330 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
335 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
340     End
Case vbRetry
345     Resume
Case vbIgnore
350     Resume Next
355 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

'<ignore>
Private Sub Form_Unload(Cancel As Integer)
'SS****** Do Not Delete, required by Quillmere
360 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub Form_Unload(Cancel As Integer)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
365     Set mInvoices = Nothing
'ES****** Do Not Delete, required by Quillmere
370 Exit Sub
ErrorHandler:
375 sErrorMessage = "Error " & Err.Number & vbCrLf
380 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
385 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
390 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
395 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
400     End
Case vbRetry
405     Resume
Case vbIgnore
410     Resume Next
415 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
'</ignore>

Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)
    ' Crédit notes (negative amounts) show in red
'SS****** Do Not Delete, required by Quillmere
420 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
425     Select Case Val(Item.SubItems(2))
        Case Is < 0
430             Item.ForeColor = vbRed
        Case Else
435             Item.ForeColor = vbWindowText
440     End Select
'ES****** Do Not Delete, required by Quillmere
445 Exit Sub
ErrorHandler:
450 sErrorMessage = "Error " & Err.Number & vbCrLf
455 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
460 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
465 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
470 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
475     End
Case vbRetry
480     Resume
Case vbIgnore
485     Resume Next
490 End Select

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

495 sMessage = "No Module Level Variables"
'Return the module dump string
500 sModuleVariables = sMessage
End Function
