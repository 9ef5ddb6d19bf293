Attribute VB_Name = "GlobalVariables"
Option Explicit

Public Function sGlobalVariables() as string
'Function to return all the values of the variables available
'at global level.
'Requires:
'   Nothing
'Returns:
'   A string containing a list of variables and their values
'Code Created by Quillmere from Oskavel Software
'Visit www.oskavel.example for more information

Dim sMessage as String


sMessage = sMessage & sVariableReport(frmMain.CurrentCustomer, "frmMain.CurrentCustomer") & VBCrLf
sMessage = sMessage & sVariableReport(frmMain.InvoiceCount, "frmMain.InvoiceCount") & VBCrLf
sMessage = sMessage & sVariableReport(Utilities.LastError, "Utilities.LastError") & VBCrLf
sMessage = sMessage & sVariableReport(modShared.gsCompanyName, "modShared.gsCompanyName") & VBCrLf


'Return the module dump string
sGlobalVariables = sMessage
End Function

Public Function sVariableReport(ByVal VariableValue, ByVal sVariableName As String)
'Module reports on the value of a variable. If it is an unknown type or an array it
'returns a string indicating this.
'Requires:
'VariableValue - value of the variable (no type specified)
'sVariableName - string with the name of the variable
'Returns:
'sVariableReport - a string of the form sName = Ada Morrow
'Inserted by Quillmere.  Visit www.oskavel.example for more information

If IsArray(VariableValue) = True Then
    sVariableReport = sVariableName & " is an array"
Else
    'not an array
    Select Case VarType(VariableValue)
    Case vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDate, vbString, vbBoolean, vbVariant, vbDecimal, vbByte
        'perfectly ok
        sVariableReport = sVariableName & " = " & VariableValue
    Case Else
        'don't return
        sVariableReport = sVariableName & " is not a standard type"
    End Select
End If

End Function
