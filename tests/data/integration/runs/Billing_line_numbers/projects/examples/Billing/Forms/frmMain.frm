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
10     On Error GoTo LoadFailed
15     Set mInvoices = New Collection
20     lvwInvoices.ColumnHeaders.Add , , "Number"
25     lvwInvoices.ColumnHeaders.Add , , "Customer"
30     lvwInvoices.ColumnHeaders.Add , , "Amount"
35     RefreshList
40     Exit Sub
LoadFailed:
45     MsgBox "Cannot load the invoices: " & Err.Description, vbExclamation, APP_TITLE
End Sub

Private Sub cmdTotal_Click()
'SS****** Do Not Delete, required by Quillmere
50 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub cmdTotal_Click()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim dTotal As Double
    Dim oInvoice As clsInvoice
55     For Each oInvoice In mInvoices
60         dTotal = dTotal + oInvoice.Total
65     Next oInvoice
70     lblTotal.Caption = "Total: " & Format$(dTotal, "0.00") & _
                       " (" & mInvoices.Count & " invoices)"
'ES****** Do Not Delete, required by Quillmere
75 Exit Sub
ErrorHandler:
80 sErrorMessage = "Error " & Err.Number & vbCrLf
85 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
90 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
95 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
100 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
105     End
Case vbRetry
110     Resume
Case vbIgnore
115     Resume Next
120 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub RefreshList()
'SS****** Do Not Delete, required by Quillmere
125 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub RefreshList()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
Dim oInvoice As clsInvoice
Dim oItem As ListItem
130 lvwInvoices.ListItems.Clear
135 For Each oInvoice In mInvoices
140 Set oItem = lvwInvoices.ListItems.Add(, , CStr(oInvoice.Number))
145 oItem.SubItems(1) = oInvoice.Customer
150 oItem.SubItems(2) = Format$(oInvoice.Total, "0.00")
155 Next
160 InvoiceCount = mInvoices.Count
'ES****** Do Not Delete, required by Quillmere
165 Exit Sub
ErrorHandler:
170 sErrorMessage = "Error " & Err.Number & vbCrLf
175 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
180 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
185 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
190 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
195     End
Case vbRetry
200     Resume
Case vbIgnore
205     Resume Next
210 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Function AddInvoice(ByVal sCustomer As String, _
                           ByVal dAmount As Double) As clsInvoice
'SS****** Do Not Delete, required by Quillmere
215 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Public Function AddInvoice(ByVal sCustomer As String,  ByVal dAmount As Double) As clsInvoice"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim oInvoice As clsInvoice
220     Set oInvoice = New clsInvoice
225     oInvoice.Customer = sCustomer
230     oInvoice.AddLine "Goods", 1, dAmount
235     mInvoices.Add oInvoice
240     CurrentCustomer = sCustomer
245     RefreshList
250     Set AddInvoice = oInvoice
'ES****** Do Not Delete, required by Quillmere
255 Exit Function
ErrorHandler:
260 sErrorMessage = "Error " & Err.Number & vbCrLf
265 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
270 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
275 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
280 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
285     End
Case vbRetry
290     Resume
Case vbIgnore
295     Resume Next
300 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

'<ignore>
Private Sub Form_Unload(Cancel As Integer)
305     Set mInvoices = Nothing
End Sub
'</ignore>

Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)
    ' Crédit notes (negative amounts) show in red
'SS****** Do Not Delete, required by Quillmere
310 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
315     Select Case Val(Item.SubItems(2))
        Case Is < 0
320             Item.ForeColor = vbRed
        Case Else
325             Item.ForeColor = vbWindowText
330     End Select
'ES****** Do Not Delete, required by Quillmere
335 Exit Sub
ErrorHandler:
340 sErrorMessage = "Error " & Err.Number & vbCrLf
345 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
350 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
355 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
360 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
365     End
Case vbRetry
370     Resume
Case vbIgnore
375     Resume Next
380 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
