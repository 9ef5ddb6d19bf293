VERSION 5.00
Begin VB.UserControl ctlAmount
End
Attribute VB_Name = "ctlAmount"
