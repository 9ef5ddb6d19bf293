'[L NUMS] (Line numbers added by Quillmere)
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
15 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "frmStock.frm"
Const sPROCEDURE as String = "Private Sub Form_Load()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim nShelf As Long
25     Set mShelf = New clsShelf
35     For nShelf = 1 To gShelfCount
45         lstShelves.AddItem "Regal " & nShelf
55     Next nShelf
'ES****** Do Not Delete, required by Quillmere
65 Exit Sub
ErrorHandler:
70 sErrorMessage = "Error " & Err.Number & vbCrLf
75 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
80 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
85 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
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

Private Sub cmdCount_Click()
10    On Error GoTo ErrorHandler
20    Dim nTotal As Long
30    nTotal = SlotTotal(1, lstShelves.ListCount)
115       lstShelves.Refresh
40    MsgBox "Summe: " & nTotal, _
          vbInformation
50    Exit Sub
ErrorHandler:
60    MsgBox Err.Description
End Sub

Private Sub lstShelves_Click()
'SS****** Do Not Delete, required by Quillmere
120 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "frmStock.frm"
Const sPROCEDURE as String = "Private Sub lstShelves_Click()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim sLine As String
125     sLine = lstShelves.Text
130     SelectedShelf = lstShelves.ListIndex
135     LogLine Me.Name, sLine ' Auswahl geändert
'ES****** Do Not Delete, required by Quillmere
140 Exit Sub
ErrorHandler:
145 sErrorMessage = "Error " & Err.Number & vbCrLf
150 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
155 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
160 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
165 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
170     End
Case vbRetry
175     Resume
Case vbIgnore
180     Resume Next
185 End Select

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

190 sMessage = "No Module Level Variables"
'Return the module dump string
195 sModuleVariables = sMessage
End Function
