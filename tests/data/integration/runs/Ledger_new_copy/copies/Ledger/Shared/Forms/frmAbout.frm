'[L NUMS] (Line numbers added by Quillmere)
VERSION 5.00
Begin VB.Form frmAbout
   Picture = "frmAbout.frx":0000
End
Attribute VB_Name = "frmAbout"
Option Explicit

Private Sub Form_Load()
10     Caption = "frmAbout"
End Sub
Private Function sModuleVariables() as string
'Function to return all the values of the variables available
'at module level.
'Requires:
'   Nothing
'Returns:
'   A string containing a list of variables and their values
'Code Created by Quillmere from Oskavel Software
'Visit www.oskavel.example for more information

Dim sMessage as String

15 sMessage = "No Module Level Variables"
'Return the module dump string
20 sModuleVariables = sMessage
End Function
