'[L NUMS] (Line numbers added by Quillmere)
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
'SS****** Do Not Delete, required by Quillmere
10 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Public Function PaintShelf(ByVal hWnd As Long) As Long"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim hDC As Long
15     hDC = GetDC(hWnd)
20     mPainted = mPainted + 1
25     PaintShelf = hDC
'ES****** Do Not Delete, required by Quillmere
30 Exit Function
ErrorHandler:
35 sLocalVariableDump = sLocalVariableDump & sVariableReport(hWnd, "hWnd") & VBCrLf
40 sLocalVariableDump = sLocalVariableDump & sVariableReport(hDC, "hDC") & VBCrLf

45 sErrorMessage = "Error " & Err.Number & vbCrLf
50 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
55 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
60 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
65 sErrorMessage = sErrorMessage & sLocalVariableDump
70 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
75     End
Case vbRetry
80     Resume
Case vbIgnore
85     Resume Next
90 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

#If VBA7 Then
Private Sub RefreshAll()
#Else
Private Sub RefreshAll()
#End If
'SS****** Do Not Delete, required by Quillmere
95 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Private Sub RefreshAll()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim i As Long
100     For i = 1 To mPainted
105         DoEvents
110     Next i
'ES****** Do Not Delete, required by Quillmere
115 Exit Sub
ErrorHandler:
120 sLocalVariableDump = sLocalVariableDump & sVariableReport(i, "i") & VBCrLf

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

Public Sub FindFree(ByVal nWanted As Long)
'SS****** Do Not Delete, required by Quillmere
175 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Public Sub FindFree(ByVal nWanted As Long)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim nTry As Long
180     nTry = 0
Found:   ' retry
185     nTry = nTry + 1
190     If nTry < nWanted Then GoTo Found
195     mPainted = nTry
'ES****** Do Not Delete, required by Quillmere
200 Exit Sub
ErrorHandler:
205 sLocalVariableDump = sLocalVariableDump & sVariableReport(nWanted, "nWanted") & VBCrLf
210 sLocalVariableDump = sLocalVariableDump & sVariableReport(nTry, "nTry") & VBCrLf

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
End Sub

' Paints only when something was drawn before; the label is the caller's way out.
Public Function TryPaint() As Boolean
265     If mPainted = 0 Then GoTo ErrorHandler
270     TryPaint = True
275     Exit Function
ErrorHandler:
280     TryPaint = False
End Function
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

285 sMessage = sMessage & sVariableReport(mPainted, "mPainted") & VBCrLf

'Return the module dump string
290 sModuleVariables = sMessage
End Function
