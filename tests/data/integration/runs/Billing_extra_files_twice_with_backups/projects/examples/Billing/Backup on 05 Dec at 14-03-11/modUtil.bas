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
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function Pad(ByVal s As String, ByVal n As Integer,  Optional ByVal c As String = ""_"") As String"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    If Len(s) >= n Then
        Pad = s
    Else
        Pad = s & String$(n - Len(s), c)
    End If
'ES****** Do Not Delete, required by Quillmere
Exit Function
ErrorHandler:
sLocalVariableDump = "No Local Variables"
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

Public Function LineTotal(ByRef tLine As InvoiceLine) As Currency
    On Error Resume Next
    tLine.SubTotal = tLine.Quantity * tLine.UnitPrice
    mLastLine = tLine
    LineTotal = tLine.SubTotal
End Function

Public Function RoundAmount(ByVal dAmount As Double) As Double
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Function RoundAmount(ByVal dAmount As Double) As Double"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
Dim SubTotal As Double
SubTotal = dAmount * 100
RoundAmount = Int(SubTotal + 0.5) / 100
'ES****** Do Not Delete, required by Quillmere
Exit Function
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(dAmount, "dAmount") & VBCrLf
sLocalVariableDump = sLocalVariableDump & sVariableReport(SubTotal, "SubTotal") & VBCrLf

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
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    mCallCount = mCallCount + 1
    Debug.Print Format$(GetTickCount(), "0") & " " & sText
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = "No Local Variables"
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
#Else
Public Sub LogMessage(ByVal sText As String)
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modUtil.bas"
Const sPROCEDURE as String = "Public Sub LogMessage(ByVal sText As String)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    mCallCount = mCallCount + 1
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = "No Local Variables"
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

sMessage = sMessage & sVariableReport(mCallCount, "mCallCount") & VBCrLf

'Return the module dump string
sModuleVariables = sMessage
End Function
