Attribute VB_Name = "modGlobals"
Option Explicit

' Settings shared by every window of the stock keeper.
Public gUserName As String
Public gShelfCount As Long
#If False Then
' Kept from the 1.x file format; no longer compiled.
Public gLegacyCount As Long
#End If

Public Type ShelfSlot
    sUB As Long
    PrivatePageCount As Long
    Label As String * 20
End Type

Public Enum StockState
    ssEmpty = 0
    ssFull = 1
End Enum

Private mLastSlot As ShelfSlot
Private mOpenCount As Long

Public Sub Main()
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modGlobals.bas"
Const sPROCEDURE as String = "Public Sub Main()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim sCaption As String
    sCaption = "Lager " & gUserName
    mOpenCount = mOpenCount + 1
    frmStock.Caption = sCaption
    frmStock.Show
'ES****** Do Not Delete, required by Quillmere
Exit Sub
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(sCaption, "sCaption") & VBCrLf

sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

' Writes one line to the stock log; sModule is the calling window.
Public Sub LogLine(ByVal sModule$, ByVal sText As String)
    Dim iFile As Integer
    iFile = FreeFile
    Open App.Path & "\stock.log" For Append As #iFile
    Print #iFile, sModule & ": " & sText
    Close #iFile
End Sub

Public Function SlotTotal(ByVal nFirst As Long, _
                          ByVal nLast As Long, _
                          Optional ByVal bFull As Boolean = False) As Long
'SS****** Do Not Delete, required by Quillmere
On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modGlobals.bas"
Const sPROCEDURE as String = "Public Function SlotTotal(ByVal nFirst As Long,  ByVal nLast As Long,  Optional ByVal bFull As Boolean = False) As Long"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim n As Long, nTotal As Long
    For n = nFirst To nLast
        nTotal = nTotal + n
    Next n
    SlotTotal = nTotal
'ES****** Do Not Delete, required by Quillmere
Exit Function
ErrorHandler:
sLocalVariableDump = sLocalVariableDump & sVariableReport(nFirst, "nFirst") & VBCrLf
sLocalVariableDump = sLocalVariableDump & sVariableReport(n, "n") & VBCrLf
sLocalVariableDump = sLocalVariableDump & sVariableReport(nTotal, "nTotal") & VBCrLf

sErrorMessage = "Error " & Err.Number & vbCrLf
sErrorMessage = sErrorMessage & Err.Description & vbCrLf
sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
sErrorMessage = sErrorMessage & sLocalVariableDump
Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
    End
Case vbRetry
    Resume
Case vbIgnore
    Resume Next
End Select

'EE****** Do Not Delete, required by Quillmere
End Function
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

sMessage = sMessage & sVariableReport(mOpenCount, "mOpenCount") & VBCrLf

'Return the module dump string
sModuleVariables = sMessage
End Function
