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

'SE****** Do Not Delete, required by Quillmere
    Dim hDC As Long
15     hDC = GetDC(hWnd)
20     mPainted = mPainted + 1
25     PaintShelf = hDC
'ES****** Do Not Delete, required by Quillmere
30 Exit Function
ErrorHandler:
35 sErrorMessage = "Error " & Err.Number & vbCrLf
40 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
45 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
50 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
55 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
60     End
Case vbRetry
65     Resume
Case vbIgnore
70     Resume Next
75 End Select

'EE****** Do Not Delete, required by Quillmere
End Function

#If VBA7 Then
Private Sub RefreshAll()
#Else
Private Sub RefreshAll()
#End If
'SS****** Do Not Delete, required by Quillmere
80 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Private Sub RefreshAll()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim i As Long
85     For i = 1 To mPainted
90         DoEvents
95     Next i
'ES****** Do Not Delete, required by Quillmere
100 Exit Sub
ErrorHandler:
105 sErrorMessage = "Error " & Err.Number & vbCrLf
110 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
115 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
120 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
125 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
130     End
Case vbRetry
135     Resume
Case vbIgnore
140     Resume Next
145 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Sub FindFree(ByVal nWanted As Long)
'SS****** Do Not Delete, required by Quillmere
150 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Public Sub FindFree(ByVal nWanted As Long)"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim nTry As Long
155     nTry = 0
Found:   ' retry
160     nTry = nTry + 1
165     If nTry < nWanted Then GoTo Found
170     mPainted = nTry
'ES****** Do Not Delete, required by Quillmere
175 Exit Sub
ErrorHandler:
180 sErrorMessage = "Error " & Err.Number & vbCrLf
185 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
190 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
195 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
200 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
205     End
Case vbRetry
210     Resume
Case vbIgnore
215     Resume Next
220 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

' Paints only when something was drawn before; the label is the caller's way out.
Public Function TryPaint() As Boolean
225     If mPainted = 0 Then GoTo ErrorHandler
230     TryPaint = True
235     Exit Function
ErrorHandler:
240     TryPaint = False
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

245 sMessage = sMessage & sVariableReport(mPainted, "mPainted") & VBCrLf

'Return the module dump string
250 sModuleVariables = sMessage
End Function
