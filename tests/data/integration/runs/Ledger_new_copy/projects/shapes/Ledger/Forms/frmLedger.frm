VERSION 5.00
Begin VB.Form frmLedger
   Picture = "frmLedger.frx":0000
End
Attribute VB_Name = "frmLedger"
Option Explicit

Private Sub Form_Load()
    Caption = "frmLedger"
End Sub
