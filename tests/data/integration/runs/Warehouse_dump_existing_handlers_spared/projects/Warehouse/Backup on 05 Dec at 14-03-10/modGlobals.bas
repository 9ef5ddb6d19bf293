Attribute VB_Name = "modGlobals"
Option Explicit

' Settings shared by every window of the stock keeper.
Public gUserName As String
Public gShelfCount As Long
#If False Then
' Kept from the 1.x file format; no longer compiled.
Public gLegacyCount As Long
#End If

Public Type ShelfSlot
    sUB As Long
    PrivatePageCount As Long
    Label As String * 20
End Type

Public Enum StockState
    ssEmpty = 0
    ssFull = 1
End Enum

Private mLastSlot As ShelfSlot
Private mOpenCount As Long

Public Sub Main()
    Dim sCaption As String
    sCaption = "Lager " & gUserName
    mOpenCount = mOpenCount + 1
    frmStock.Caption = sCaption
    frmStock.Show
End Sub

' Writes one line to the stock log; sModule is the calling window.
Public Sub LogLine(ByVal sModule$, ByVal sText As String)
    Dim iFile As Integer
    iFile = FreeFile
    Open App.Path & "\stock.log" For Append As #iFile
    Print #iFile, sModule & ": " & sText
    Close #iFile
End Sub

Public Function SlotTotal(ByVal nFirst As Long, _
                          ByVal nLast As Long, _
                          Optional ByVal bFull As Boolean = False) As Long
    Dim n As Long, nTotal As Long
    For n = nFirst To nLast
        nTotal = nTotal + n
    Next n
    SlotTotal = nTotal
End Function
