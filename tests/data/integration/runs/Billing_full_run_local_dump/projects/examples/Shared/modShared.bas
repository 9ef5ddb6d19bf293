'[L NUMS] (Line numbers added by Quillmere)
Attribute VB_Name = "modShared"
Option Explicit

' Shared by the billing and the payroll projects.
Public gsCompanyName As String

  Public Sub Trace(ByVal sWhere As String)
10     Debug.Print sWhere
  End Sub

Public Function IsBlank(ByVal v As Variant) As Boolean
'SS****** Do Not Delete, required by Quillmere
15 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modShared.bas"
Const sPROCEDURE as String = "Public Function IsBlank(ByVal v As Variant) As Boolean"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
20     On Error GoTo NotText
25     IsBlank = (Len(Trim$(CStr(v))) = 0)
30     Exit Function
NotText:
35     IsBlank = True
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

Sub Main()
'SS****** Do Not Delete, required by Quillmere
100 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modShared.bas"
Const sPROCEDURE as String = "Sub Main()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
105     gsCompanyName = "Harrow Lane Accounts"
110     Trace "Billing started"
115     frmMain.Show
'ES****** Do Not Delete, required by Quillmere
120 Exit Sub
ErrorHandler:
125 sLocalVariableDump = "No Local Variables"
130 sErrorMessage = "Error " & Err.Number & vbCrLf
135 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
140 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
145 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
150 sErrorMessage = sErrorMessage & sLocalVariableDump
155 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
160     End
Case vbRetry
165     Resume
Case vbIgnore
170     Resume Next
175 End Select

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

180 sMessage = "No Module Level Variables"
'Return the module dump string
185 sModuleVariables = sMessage
End Function
