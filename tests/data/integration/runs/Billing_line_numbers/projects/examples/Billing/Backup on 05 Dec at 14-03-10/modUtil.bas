Attribute VB_Name = "Utilities"
Option Explicit

' Helpers shared by the billing forms and classes.
Public Const APP_TITLE As String = "Billing"
Public LastError As String
Private mCallCount As Long

Public Type InvoiceLine
    Description As String
    Quantity As Long
    UnitPrice As Currency
    SubTotal As Currency
End Type

Private mLastLine As InvoiceLine

Private Declare Function GetTickCount Lib "kernel32" () As Long

#Const DEBUG_BUILD = 1

Public Function Pad(ByVal s As String, ByVal n As Integer, _
                    Optional ByVal c As String = "_") As String
Attribute Pad.VB_Description = "Pads a text on the right to n characters."
    If Len(s) >= n Then
        Pad = s
    Else
        Pad = s & String$(n - Len(s), c)
    End If
End Function

Public Function LineTotal(ByRef tLine As InvoiceLine) As Currency
    On Error Resume Next
    tLine.SubTotal = tLine.Quantity * tLine.UnitPrice
    mLastLine = tLine
    LineTotal = tLine.SubTotal
End Function

Public Function RoundAmount(ByVal dAmount As Double) As Double
Dim SubTotal As Double
SubTotal = dAmount * 100
RoundAmount = Int(SubTotal + 0.5) / 100
End Function

Static Function NextInvoiceNumber() As Long
    Dim lLast As Long
    lLast = lLast + 1
    NextInvoiceNumber = lLast
End Function

Public Function SplitAmounts(ByVal sList As String) As Double()
    Dim aParts() As String
    Dim aValues() As Double
    Dim i As Long
    Const SEPARATOR As String = ";"
    On Error GoTo BadList
    aParts = Split(sList, SEPARATOR)
    ReDim aValues(UBound(aParts))
    For i = 0 To UBound(aParts)
        aValues(i) = CDbl(aParts(i))
    Next i
    SplitAmounts = aValues
    Exit Function
BadList:
    LastError = "Not a list of amounts: " & sList
    On Error GoTo 0
    Err.Raise 13
End Function

#If DEBUG_BUILD Then
Public Sub LogMessage(ByVal sText As String)
    mCallCount = mCallCount + 1
    Debug.Print Format$(GetTickCount(), "0") & " " & sText
End Sub
#Else
Public Sub LogMessage(ByVal sText As String)
    mCallCount = mCallCount + 1
End Sub
#End If
