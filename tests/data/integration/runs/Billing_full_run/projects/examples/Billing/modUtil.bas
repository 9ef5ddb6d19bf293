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
'SS****** Do Not Delete, required by Quillmere
90 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function LineTotal(ByRef tLine As InvoiceLine) As Currency"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
95     On Error Resume Next
100     tLine.SubTotal = tLine.Quantity * tLine.UnitPrice
105     mLastLine = tLine
110     LineTotal = tLine.SubTotal
'ES****** Do Not Delete, required by Quillmere
115 Exit Function
ErrorHandler:
120 sErrorMessage = "Error " & Err.Number & vbCrLf
125 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
130 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
135 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
140 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
145     End
Case vbRetry
150     Resume
Case vbIgnore
155     Resume Next
160 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Public Function RoundAmount(ByVal dAmount As Double) As Double
'SS****** Do Not Delete, required by Quillmere
165 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function RoundAmount(ByVal dAmount As Double) As Double"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
Dim SubTotal As Double
170 SubTotal = dAmount * 100
175 RoundAmount = Int(SubTotal + 0.5) / 100
'ES****** Do Not Delete, required by Quillmere
180 Exit Function
ErrorHandler:
185 sErrorMessage = "Error " & Err.Number & vbCrLf
190 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
195 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
200 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
205 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
210     End
Case vbRetry
215     Resume
Case vbIgnore
220     Resume Next
225 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Static Function NextInvoiceNumber() As Long
    Dim lLast As Long
    lLast = lLast + 1
    NextInvoiceNumber = lLast
End Function

Public Function SplitAmounts(ByVal sList As String) As Double()
'SS****** Do Not Delete, required by Quillmere
230 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function SplitAmounts(ByVal sList As String) As Double()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim aParts() As String
    Dim aValues() As Double
    Dim i As Long
    Const SEPARATOR As String = ";"
235     On Error GoTo BadList
240     aParts = Split(sList, SEPARATOR)
245     ReDim aValues(UBound(aParts))
250     For i = 0 To UBound(aParts)
255         aValues(i) = CDbl(aParts(i))
260     Next i
265     SplitAmounts = aValues
270     Exit Function
BadList:
275     LastError = "Not a list of amounts: " & sList
280     On Error GoTo 0
285     Err.Raise 13
'ES****** Do Not Delete, required by Quillmere
290 Exit Function
ErrorHandler:
295 sErrorMessage = "Error " & Err.Number & vbCrLf
300 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
305 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
310 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
315 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
320     End
Case vbRetry
325     Resume
Case vbIgnore
330     Resume Next
335 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

#If DEBUG_BUILD Then
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
340 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
345     mCallCount = mCallCount + 1
350     Debug.Print Format$(GetTickCount(), "0") & " " & sText
'ES****** Do Not Delete, required by Quillmere
355 Exit Sub
ErrorHandler:
360 sErrorMessage = "Error " & Err.Number & vbCrLf
365 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
370 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
375 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
380 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
385     End
Case vbRetry
390     Resume
Case vbIgnore
395     Resume Next
400 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
#Else
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
405 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
410     mCallCount = mCallCount + 1
'ES****** Do Not Delete, required by Quillmere
415 Exit Sub
ErrorHandler:
420 sErrorMessage = "Error " & Err.Number & vbCrLf
425 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
430 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
435 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
440 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
445     End
Case vbRetry
450     Resume
Case vbIgnore
455     Resume Next
460 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
#End If
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

465 sMessage = sMessage & sVariableReport(mCallCount, "mCallCount") & VBCrLf

'Return the module dump string
470 sModuleVariables = sMessage
End Function
