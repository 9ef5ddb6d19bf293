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
    gsCompanyName = "Harrow Lane Accounts"
    Trace "Billing started"
    frmMain.Show
End Sub
