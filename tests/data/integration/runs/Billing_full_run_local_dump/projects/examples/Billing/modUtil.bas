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
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
15     If Len(s) >= n Then
20         Pad = s
25     Else
30         Pad = s & String$(n - Len(s), c)
35     End If
'ES****** Do Not Delete, required by Quillmere
40 Exit Function
ErrorHandler:
45 sLocalVariableDump = "No Local Variables"
50 sErrorMessage = "Error " & Err.Number & vbCrLf
55 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
60 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
65 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
70 sErrorMessage = sErrorMessage & sLocalVariableDump
75 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
80     End
Case vbRetry
85     Resume
Case vbIgnore
90     Resume Next
95 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Public Function LineTotal(ByRef tLine As InvoiceLine) As Currency
'SS****** Do Not Delete, required by Quillmere
100 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function LineTotal(ByRef tLine As InvoiceLine) As Currency"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
105     On Error Resume Next
110     tLine.SubTotal = tLine.Quantity * tLine.UnitPrice
115     mLastLine = tLine
120     LineTotal = tLine.SubTotal
'ES****** Do Not Delete, required by Quillmere
125 Exit Function
ErrorHandler:
130 sLocalVariableDump = "No Local Variables"
135 sErrorMessage = "Error " & Err.Number & vbCrLf
140 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
145 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
150 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
155 sErrorMessage = sErrorMessage & sLocalVariableDump
160 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
165     End
Case vbRetry
170     Resume
Case vbIgnore
175     Resume Next
180 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Public Function RoundAmount(ByVal dAmount As Double) As Double
'SS****** Do Not Delete, required by Quillmere
185 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function RoundAmount(ByVal dAmount As Double) As Double"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
Dim SubTotal As Double
190 SubTotal = dAmount * 100
195 RoundAmount = Int(SubTotal + 0.5) / 100
'ES****** Do Not Delete, required by Quillmere
200 Exit Function
ErrorHandler:
205 sLocalVariableDump = sLocalVariableDump & sVariableReport(dAmount, "dAmount") & VBCrLf
210 sLocalVariableDump = sLocalVariableDump & sVariableReport(SubTotal, "SubTotal") & VBCrLf

215 sErrorMessage = "Error " & Err.Number & vbCrLf
220 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
225 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
230 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
235 sErrorMessage = sErrorMessage & sLocalVariableDump
240 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
245     End
Case vbRetry
250     Resume
Case vbIgnore
255     Resume Next
260 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Static Function NextInvoiceNumber() As Long
    Dim lLast As Long
    lLast = lLast + 1
    NextInvoiceNumber = lLast
End Function

Public Function SplitAmounts(ByVal sList As String) As Double()
'SS****** Do Not Delete, required by Quillmere
265 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function SplitAmounts(ByVal sList As String) As Double()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim aParts() As String
    Dim aValues() As Double
    Dim i As Long
    Const SEPARATOR As String = ";"
270     On Error GoTo BadList
275     aParts = Split(sList, SEPARATOR)
280     ReDim aValues(UBound(aParts))
285     For i = 0 To UBound(aParts)
290         aValues(i) = CDbl(aParts(i))
295     Next i
300     SplitAmounts = aValues
305     Exit Function
BadList:
310     LastError = "Not a list of amounts: " & sList
315     On Error GoTo 0
320     Err.Raise 13
'ES****** Do Not Delete, required by Quillmere
325 Exit Function
ErrorHandler:
330 sLocalVariableDump = sLocalVariableDump & sVariableReport(sList, "sList") & VBCrLf
335 sLocalVariableDump = sLocalVariableDump & sVariableReport(i, "i") & VBCrLf

340 sErrorMessage = "Error " & Err.Number & vbCrLf
345 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
350 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
355 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
360 sErrorMessage = sErrorMessage & sLocalVariableDump
365 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
370     End
Case vbRetry
375     Resume
Case vbIgnore
380     Resume Next
385 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

#If DEBUG_BUILD Then
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
390 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
395     mCallCount = mCallCount + 1
400     Debug.Print Format$(GetTickCount(), "0") & " " & sText
'ES****** Do Not Delete, required by Quillmere
405 Exit Sub
ErrorHandler:
410 sLocalVariableDump = "No Local Variables"
415 sErrorMessage = "Error " & Err.Number & vbCrLf
420 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
425 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
430 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
435 sErrorMessage = sErrorMessage & sLocalVariableDump
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
#Else
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
465 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
470     mCallCount = mCallCount + 1
'ES****** Do Not Delete, required by Quillmere
475 Exit Sub
ErrorHandler:
480 sLocalVariableDump = "No Local Variables"
485 sErrorMessage = "Error " & Err.Number & vbCrLf
490 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
495 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
500 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
505 sErrorMessage = sErrorMessage & sLocalVariableDump
510 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
515     End
Case vbRetry
520     Resume
Case vbIgnore
525     Resume Next
530 End Select

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

535 sMessage = sMessage & sVariableReport(mCallCount, "mCallCount") & VBCrLf

'Return the module dump string
540 sModuleVariables = sMessage
End Function
