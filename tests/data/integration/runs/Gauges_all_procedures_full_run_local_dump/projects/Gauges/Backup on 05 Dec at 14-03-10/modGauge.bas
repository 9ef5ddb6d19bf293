Attribute VB_Name = "modGauge"
Option Explicit
' Réglages de la jauge: valeurs partagées
#Const TRACE_GAUGE = 1

Public gGaugeCount As Long
Private mLastValue As Double

Public Declare Function GetTickCount Lib "kernel32" () As Long

Public Static Function NextId() As Long
    Dim nStep As Long
    Static nLast As Long
    nStep = 1
    nLast = nLast + nStep
    NextId = nLast
End Function

Static Sub Remember(ByVal dValue As Double)
    mLastValue = dValue
    gGaugeCount = gGaugeCount + 1
End Sub

Private Static Function Average(ByVal dValue As Double) As Double
    Static dTotal As Double, nCount As Long
    dTotal = dTotal + dValue
    nCount = nCount + 1
    Average = dTotal / nCount
End Function

Public Function Version() As String: Version = "1.2": End Function

Public Sub Trace(ByVal sText As String)
#If TRACE_GAUGE Then
    Debug.Print "Trace: " & sText
#Else
    Dim sUnused As String
#End If
    mLastValue = mLastValue + 0
End Sub
