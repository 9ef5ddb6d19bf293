Attribute VB_Name = "modSharedUtil"
Option Explicit

Public Sub Shared()
    Debug.Print "Shared"
End Sub
