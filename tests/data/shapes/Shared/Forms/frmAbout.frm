VERSION 5.00
Begin VB.Form frmAbout
   Picture = "frmAbout.frx":0000
End
Attribute VB_Name = "frmAbout"
Option Explicit

Private Sub Form_Load()
    Caption = "frmAbout"
End Sub
