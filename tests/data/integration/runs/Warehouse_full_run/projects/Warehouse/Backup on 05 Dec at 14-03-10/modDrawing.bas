Attribute VB_Name = "modDrawing"
Option Explicit

#If VBA7 Then
Private Declare PtrSafe Function GetDC Lib "user32" (ByVal hWnd As LongPtr) As LongPtr
#Else
Private Declare Function GetDC Lib "user32" (ByVal hWnd As Long) As Long
#End If

Private mPainted As Long

#If VBA7 Then
Public Function PaintShelf(ByVal hWnd As LongPtr) As Long
#Else
Public Function PaintShelf(ByVal hWnd As Long) As Long
#End If
    Dim hDC As Long
    hDC = GetDC(hWnd)
    mPainted = mPainted + 1
    PaintShelf = hDC
End Function

#If VBA7 Then
Private Sub RefreshAll()
#Else
Private Sub RefreshAll()
#End If
    Dim i As Long
    For i = 1 To mPainted
        DoEvents
    Next i
End Sub

Public Sub FindFree(ByVal nWanted As Long)
    Dim nTry As Long
    nTry = 0
Found:   ' retry
    nTry = nTry + 1
    If nTry < nWanted Then GoTo Found
    mPainted = nTry
End Sub

' Paints only when something was drawn before; the label is the caller's way out.
Public Function TryPaint() As Boolean
    If mPainted = 0 Then GoTo ErrorHandler
    TryPaint = True
    Exit Function
ErrorHandler:
    TryPaint = False
End Function
