VERSION 5.00
Begin VB.Form frmStock 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Lager"
   ClientHeight    =   3600
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   3600
   ScaleWidth      =   6000
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cmdCount 
      Caption         =   "Zählen"
      Height          =   375
      Left            =   4680
      TabIndex        =   1
      Top             =   3120
      Width           =   1215
   End
   Begin VB.ListBox lstShelves 
      Height          =   2790
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5775
   End
End
Attribute VB_Name = "frmStock"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

' Regalübersicht: one line per shelf, Größe in Kisten.
Private mShelf As clsShelf
Public SelectedShelf As Long

Private Sub Form_Load()
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "frmStock.frm"
Const sPROCEDURE as String = "Private Sub Form_Load()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim nShelf As Long
    Set mShelf = New clsShelf
    For nShelf = 1 To gShelfCount
        lstShelves.AddItem "Regal " & nShelf
    Next nShelf
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(nShelf, "nShelf") & VBCrLf

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

Private Sub cmdCount_Click()
10    On Error GoTo ErrorHandler
20    Dim nTotal As Long
30    nTotal = SlotTotal(1, lstShelves.ListCount)
      lstShelves.Refresh
40    MsgBox "Summe: " & nTotal, _
          vbInformation
50    Exit Sub
ErrorHandler:
60    MsgBox Err.Description
End Sub

Private Sub lstShelves_Click()
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "frmStock.frm"
Const sPROCEDURE as String = "Private Sub lstShelves_Click()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim sLine As String
    sLine = lstShelves.Text
    SelectedShelf = lstShelves.ListIndex
    LogLine Me.Name, sLine ' Auswahl geändert
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(sLine, "sLine") & VBCrLf

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
