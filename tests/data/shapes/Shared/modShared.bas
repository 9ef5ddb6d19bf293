Attribute VB_Name = "modShared"
Option Explicit

Public Sub Share()
    Debug.Print "Share"
End Sub
