'[L NUMS] (Line numbers added by Quillmere)
Attribute VB_Name = "modSharedUtil"
Option Explicit

Public Sub Shared()
10     Debug.Print "Shared"
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
