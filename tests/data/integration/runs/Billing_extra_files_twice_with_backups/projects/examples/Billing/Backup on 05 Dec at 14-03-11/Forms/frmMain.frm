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
    On Error GoTo LoadFailed
    Set mInvoices = New Collection
    lvwInvoices.ColumnHeaders.Add , , "Number"
    lvwInvoices.ColumnHeaders.Add , , "Customer"
    lvwInvoices.ColumnHeaders.Add , , "Amount"
    RefreshList
    Exit Sub
LoadFailed:
    MsgBox "Cannot load the invoices: " & Err.Description, vbExclamation, APP_TITLE
End Sub

Private Sub cmdTotal_Click()
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub cmdTotal_Click()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim dTotal As Double
    Dim oInvoice As clsInvoice
    For Each oInvoice In mInvoices
        dTotal = dTotal + oInvoice.Total
    Next oInvoice
    lblTotal.Caption = "Total: " & Format$(dTotal, "0.00") & _
                       " (" & mInvoices.Count & " invoices)"
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(dTotal, "dTotal") & VBCrLf

sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub RefreshList()
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub RefreshList()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
Dim oInvoice As clsInvoice
Dim oItem As ListItem
lvwInvoices.ListItems.Clear
For Each oInvoice In mInvoices
Set oItem = lvwInvoices.ListItems.Add(, , CStr(oInvoice.Number))
oItem.SubItems(1) = oInvoice.Customer
oItem.SubItems(2) = Format$(oInvoice.Total, "0.00")
Next
InvoiceCount = mInvoices.Count
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = "No Local Variables"
sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Function AddInvoice(ByVal sCustomer As String, _
                           ByVal dAmount As Double) As clsInvoice
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Public Function AddInvoice(ByVal sCustomer As String,  ByVal dAmount As Double) As clsInvoice"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim oInvoice As clsInvoice
    Set oInvoice = New clsInvoice
    oInvoice.Customer = sCustomer
    oInvoice.AddLine "Goods", 1, dAmount
    mInvoices.Add oInvoice
    CurrentCustomer = sCustomer
    RefreshList
    Set AddInvoice = oInvoice
'ES****** Do Not Delete, required by Quillmere
Exit Function
ErrorHandler:
sLocalVariableDump = "No Local Variables"
sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Function

'<ignore>
Private Sub Form_Unload(Cancel As Integer)
    Set mInvoices = Nothing
End Sub
'</ignore>

Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)
    ' Crédit notes (negative amounts) show in red
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "frmMain.frm"
Const sPROCEDURE as String = "Private Sub lvwInvoices_ItemClick(ByVal Item As MSComctlLib.ListItem)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Select Case Val(Item.SubItems(2))
        Case Is < 0
            Item.ForeColor = vbRed
        Case Else
            Item.ForeColor = vbWindowText
    End Select
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = "No Local Variables"
sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

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

sMessage = "No Module Level Variables"
'Return the module dump string
sModuleVariables = sMessage
End Function
