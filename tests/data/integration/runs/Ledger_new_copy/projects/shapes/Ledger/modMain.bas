Attribute VB_Name = "modMain"
Option Explicit

Public Sub Main()
    Debug.Print "Main"
End Sub
