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
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Public Function PaintShelf(ByVal hWnd As Long) As Long"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim hDC As Long
    hDC = GetDC(hWnd)
    mPainted = mPainted + 1
    PaintShelf = hDC
'ES****** Do Not Delete, required by Quillmere
Exit Function
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(hWnd, "hWnd") & VBCrLf
sLocalVariableDump = sLocalVariableDump & sVariableReport(hDC, "hDC") & VBCrLf

sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Function

#If VBA7 Then
Private Sub RefreshAll()
#Else
Private Sub RefreshAll()
#End If
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Private Sub RefreshAll()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim i As Long
    For i = 1 To mPainted
        DoEvents
    Next i
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(i, "i") & VBCrLf

sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Sub FindFree(ByVal nWanted As Long)
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modDrawing.bas"
Const sPROCEDURE as String = "Public Sub FindFree(ByVal nWanted As Long)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim nTry As Long
    nTry = 0
Found:   ' retry
    nTry = nTry + 1
    If nTry < nWanted Then GoTo Found
    mPainted = nTry
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(nWanted, "nWanted") & VBCrLf
sLocalVariableDump = sLocalVariableDump & sVariableReport(nTry, "nTry") & VBCrLf

sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

' Paints only when something was drawn before; the label is the caller's way out.
Public Function TryPaint() As Boolean
    If mPainted = 0 Then GoTo ErrorHandler
    TryPaint = True
    Exit Function
ErrorHandler:
    TryPaint = False
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

sMessage = sMessage & sVariableReport(mPainted, "mPainted") & VBCrLf

'Return the module dump string
sModuleVariables = sMessage
End Function
