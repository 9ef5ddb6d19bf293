'[L NUMS] (Line numbers added by Quillmere)
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
10 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modGlobals.bas"
Const sPROCEDURE as String = "Public Sub Main()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim sCaption As String
15     sCaption = "Lager " & gUserName
20     mOpenCount = mOpenCount + 1
25     frmStock.Caption = sCaption
30     frmStock.Show
'ES****** Do Not Delete, required by Quillmere
35 Exit Sub
ErrorHandler:
40 sLocalVariableDump = sLocalVariableDump & sVariableReport(sCaption, "sCaption") & VBCrLf

45 sErrorMessage = "Error " & Err.Number & vbCrLf
50 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
55 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
60 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
65 sErrorMessage = sErrorMessage & sLocalVariableDump
70 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
75     End
Case vbRetry
80     Resume
Case vbIgnore
85     Resume Next
90 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

' Writes one line to the stock log; sModule is the calling window.
Public Sub LogLine(ByVal sModule$, ByVal sText As String)
    Dim iFile As Integer
95     iFile = FreeFile
100     Open App.Path & "\stock.log" For Append As #iFile
105     Print #iFile, sModule & ": " & sText
110     Close #iFile
End Sub

Public Function SlotTotal(ByVal nFirst As Long, _
                          ByVal nLast As Long, _
                          Optional ByVal bFull As Boolean = False) As Long
'SS****** Do Not Delete, required by Quillmere
115 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modGlobals.bas"
Const sPROCEDURE as String = "Public Function SlotTotal(ByVal nFirst As Long,  ByVal nLast As Long,  Optional ByVal bFull As Boolean = False) As Long"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
    Dim n As Long, nTotal As Long
120     For n = nFirst To nLast
125         nTotal = nTotal + n
130     Next n
135     SlotTotal = nTotal
'ES****** Do Not Delete, required by Quillmere
140 Exit Function
ErrorHandler:
145 sLocalVariableDump = sLocalVariableDump & sVariableReport(nFirst, "nFirst") & VBCrLf
150 sLocalVariableDump = sLocalVariableDump & sVariableReport(n, "n") & VBCrLf
155 sLocalVariableDump = sLocalVariableDump & sVariableReport(nTotal, "nTotal") & VBCrLf

160 sErrorMessage = "Error " & Err.Number & vbCrLf
165 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
170 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
175 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
180 sErrorMessage = sErrorMessage & sLocalVariableDump
185 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
190     End
Case vbRetry
195     Resume
Case vbIgnore
200     Resume Next
205 End Select

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

210 sMessage = sMessage & sVariableReport(mOpenCount, "mOpenCount") & VBCrLf

'Return the module dump string
215 sModuleVariables = sMessage
End Function
