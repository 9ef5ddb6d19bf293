Attribute VB_Name = "modUtil"
Option Explicit

Public Sub Tidy()
    Debug.Print "Tidy"
End Sub
