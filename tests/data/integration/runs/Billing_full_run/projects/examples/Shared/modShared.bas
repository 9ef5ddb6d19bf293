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

'SE****** Do Not Delete, required by Quillmere
20     On Error GoTo NotText
25     IsBlank = (Len(Trim$(CStr(v))) = 0)
30     Exit Function
NotText:
35     IsBlank = True
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

Sub Main()
'SS****** Do Not Delete, required by Quillmere
90 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modShared.bas"
Const sPROCEDURE as String = "Sub Main()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
95     gsCompanyName = "Harrow Lane Accounts"
100     Trace "Billing started"
105     frmMain.Show
'ES****** Do Not Delete, required by Quillmere
110 Exit Sub
ErrorHandler:
115 sErrorMessage = "Error " & Err.Number & vbCrLf
120 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
125 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
130 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
135 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
140     End
Case vbRetry
145     Resume
Case vbIgnore
150     Resume Next
155 End Select

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

160 sMessage = "No Module Level Variables"
'Return the module dump string
165 sModuleVariables = sMessage
End Function
