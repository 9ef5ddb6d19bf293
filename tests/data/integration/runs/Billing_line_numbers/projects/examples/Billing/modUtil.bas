'[L NUMS] (Line numbers added by Quillmere)
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
'SS****** Do Not Delete, required by Quillmere
10 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function Pad(ByVal s As String, ByVal n As Integer,  Optional ByVal c As String = ""_"") As String"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
15     If Len(s) >= n Then
20         Pad = s
25     Else
30         Pad = s & String$(n - Len(s), c)
35     End If
'ES****** Do Not Delete, required by Quillmere
40 Exit Function
ErrorHandler:
45 sErrorMessage = "Error " & Err.Number & vbCrLf
50 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
55 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
60 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
65 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
70     End
Case vbRetry
75     Resume
Case vbIgnore
80     Resume Next
85 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Public Function LineTotal(ByRef tLine As InvoiceLine) As Currency
90     On Error Resume Next
95     tLine.SubTotal = tLine.Quantity * tLine.UnitPrice
100     mLastLine = tLine
105     LineTotal = tLine.SubTotal
End Function

Public Function RoundAmount(ByVal dAmount As Double) As Double
'SS****** Do Not Delete, required by Quillmere
110 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function RoundAmount(ByVal dAmount As Double) As Double"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
Dim SubTotal As Double
115 SubTotal = dAmount * 100
120 RoundAmount = Int(SubTotal + 0.5) / 100
'ES****** Do Not Delete, required by Quillmere
125 Exit Function
ErrorHandler:
130 sErrorMessage = "Error " & Err.Number & vbCrLf
135 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
140 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
145 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
150 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
155     End
Case vbRetry
160     Resume
Case vbIgnore
165     Resume Next
170 End Select

'EE****** Do Not Delete, required by Quillmere
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
175     On Error GoTo BadList
180     aParts = Split(sList, SEPARATOR)
185     ReDim aValues(UBound(aParts))
190     For i = 0 To UBound(aParts)
195         aValues(i) = CDbl(aParts(i))
200     Next i
205     SplitAmounts = aValues
210     Exit Function
BadList:
215     LastError = "Not a list of amounts: " & sList
220     On Error GoTo 0
225     Err.Raise 13
End Function

#If DEBUG_BUILD Then
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
230 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
235     mCallCount = mCallCount + 1
240     Debug.Print Format$(GetTickCount(), "0") & " " & sText
'ES****** Do Not Delete, required by Quillmere
245 Exit Sub
ErrorHandler:
250 sErrorMessage = "Error " & Err.Number & vbCrLf
255 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
260 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
265 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
270 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
275     End
Case vbRetry
280     Resume
Case vbIgnore
285     Resume Next
290 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
#Else
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
295 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
300     mCallCount = mCallCount + 1
'ES****** Do Not Delete, required by Quillmere
305 Exit Sub
ErrorHandler:
310 sErrorMessage = "Error " & Err.Number & vbCrLf
315 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
320 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
325 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
330 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
335     End
Case vbRetry
340     Resume
Case vbIgnore
345     Resume Next
350 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
#End If
