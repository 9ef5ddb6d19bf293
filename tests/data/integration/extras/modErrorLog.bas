Attribute VB_Name = "modErrorLog"
Option Explicit

Public Sub LogError(ByVal sText As String)
    Debug.Print sText
End Sub
