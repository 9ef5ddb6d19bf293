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
    Dim nShelf As Long
    Set mShelf = New clsShelf
    For nShelf = 1 To gShelfCount
        lstShelves.AddItem "Regal " & nShelf
    Next nShelf
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
    Dim sLine As String
    sLine = lstShelves.Text
    SelectedShelf = lstShelves.ListIndex
    LogLine Me.Name, sLine ' Auswahl geändert
End Sub
