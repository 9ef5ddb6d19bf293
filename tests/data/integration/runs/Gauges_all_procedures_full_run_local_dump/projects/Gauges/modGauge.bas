'[L NUMS] (Line numbers added by Quillmere)
Attribute VB_Name = "modGauge"
Option Explicit
' Réglages de la jauge: valeurs partagées
#Const TRACE_GAUGE = 1

Public gGaugeCount As Long
Private mLastValue As Double

Public Declare Function GetTickCount Lib "kernel32" () As Long

Public Static Function NextId() As Long
'SS****** Do Not Delete, required by Quillmere
10 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "modGauge.bas"
Const sPROCEDURE as String = "Public Static Function NextId() As Long"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim nStep As Long
15     Static nLast As Long
20     nStep = 1
25     nLast = nLast + nStep
30     NextId = nLast
'ES****** Do Not Delete, required by Quillmere
35 Exit Function
ErrorHandler:
40 sLocalVariableDump = sLocalVariableDump & sVariableReport(nStep, "nStep") & VBCrLf
45 sLocalVariableDump = sLocalVariableDump & sVariableReport(nLast, "nLast") & VBCrLf

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

Static Sub Remember(ByVal dValue As Double)
'SS****** Do Not Delete, required by Quillmere
100 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "modGauge.bas"
Const sPROCEDURE as String = "Static Sub Remember(ByVal dValue As Double)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
105     mLastValue = dValue
110     gGaugeCount = gGaugeCount + 1
'ES****** Do Not Delete, required by Quillmere
115 Exit Sub
ErrorHandler:
120 sLocalVariableDump = "No Local Variables"
125 sErrorMessage = "Error " & Err.Number & vbCrLf
130 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
135 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
140 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
145 sErrorMessage = sErrorMessage & sLocalVariableDump
150 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
155     End
Case vbRetry
160     Resume
Case vbIgnore
165     Resume Next
170 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Static Function Average(ByVal dValue As Double) As Double
'SS****** Do Not Delete, required by Quillmere
175 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "modGauge.bas"
Const sPROCEDURE as String = "Private Static Function Average(ByVal dValue As Double) As Double"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
180     Static dTotal As Double, nCount As Long
185     dTotal = dTotal + dValue
190     nCount = nCount + 1
195     Average = dTotal / nCount
'ES****** Do Not Delete, required by Quillmere
200 Exit Function
ErrorHandler:
205 sLocalVariableDump = sLocalVariableDump & sVariableReport(dValue, "dValue") & VBCrLf
210 sLocalVariableDump = sLocalVariableDump & sVariableReport(dTotal, "dTotal") & VBCrLf
215 sLocalVariableDump = sLocalVariableDump & sVariableReport(nCount, "nCount") & VBCrLf

220 sErrorMessage = "Error " & Err.Number & vbCrLf
225 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
230 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
235 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
240 sErrorMessage = sErrorMessage & sLocalVariableDump
245 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
250     End
Case vbRetry
255     Resume
Case vbIgnore
260     Resume Next
265 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

Public Function Version() As String: Version = "1.2": End Function

Public Sub Trace(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
270 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "modGauge.bas"
Const sPROCEDURE as String = "Public Sub Trace(ByVal sText As String)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
#If TRACE_GAUGE Then
275     Debug.Print "Trace: " & sText
#Else
    Dim sUnused As String
#End If
280     mLastValue = mLastValue + 0
'ES****** Do Not Delete, required by Quillmere
285 Exit Sub
ErrorHandler:
290 sLocalVariableDump = "No Local Variables"
295 sErrorMessage = "Error " & Err.Number & vbCrLf
300 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
305 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
310 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
315 sErrorMessage = sErrorMessage & sLocalVariableDump
320 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
325     End
Case vbRetry
330     Resume
Case vbIgnore
335     Resume Next
340 End Select

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

345 sMessage = sMessage & sVariableReport(mLastValue, "mLastValue") & VBCrLf

'Return the module dump string
350 sModuleVariables = sMessage
End Function
