'[L NUMS] (Line numbers added by Quillmere)
Attribute VB_Name = "modShared"
Option Explicit

' Shared by the billing and the payroll projects.
Public gsCompanyName As String

  Public Sub Trace(ByVal sWhere As String)
10     Debug.Print sWhere
  End Sub

Public Function IsBlank(ByVal v As Variant) As Boolean
15     On Error GoTo NotText
20     IsBlank = (Len(Trim$(CStr(v))) = 0)
25     Exit Function
NotText:
30     IsBlank = True
End Function

Sub Main()
'SS****** Do Not Delete, required by Quillmere
35 On Error GoTo ErrorHandler
Const sPROJECT as String = "Billing"
Const sMODULE as String = "modShared.bas"
Const sPROCEDURE as String = "Sub Main()"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
40     gsCompanyName = "Harrow Lane Accounts"
45     Trace "Billing started"
50     frmMain.Show
'ES****** Do Not Delete, required by Quillmere
55 Exit Sub
ErrorHandler:
60 sErrorMessage = "Error " & Err.Number & vbCrLf
65 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
70 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
75 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
80 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
85     End
Case vbRetry
90     Resume
Case vbIgnore
95     Resume Next
100 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub
