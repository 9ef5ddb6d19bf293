Attribute VB_Name = "modShared"
Option Explicit

' Shared by the billing and the payroll projects.
Public gsCompanyName As String

  Public Sub Trace(ByVal sWhere As String)
    Debug.Print sWhere
  End Sub

Public Function IsBlank(ByVal v As Variant) As Boolean
    On Error GoTo NotText
    IsBlank = (Len(Trim$(CStr(v))) = 0)
    Exit Function
NotText:
    IsBlank = True
End Function

Sub Main()
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modShared.bas"
Const sPROCEDURE as String = "Sub Main()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    gsCompanyName = "Harrow Lane Accounts"
    Trace "Billing started"
    frmMain.Show
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

sMessage = "No Module Level Variables"
'Return the module dump string
sModuleVariables = sMessage
End Function
