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

'SE****** Do Not Delete, required by Quillmere
    Dim sCaption As String
15     sCaption = "Lager " & gUserName
20     mOpenCount = mOpenCount + 1
25     frmStock.Caption = sCaption
30     frmStock.Show
'ES****** Do Not Delete, required by Quillmere
35 Exit Sub
ErrorHandler:
40 sErrorMessage = "Error " & Err.Number & vbCrLf
45 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
50 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
55 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
60 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
65     End
Case vbRetry
70     Resume
Case vbIgnore
75     Resume Next
80 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

' Writes one line to the stock log; sModule is the calling window.
Public Sub LogLine(ByVal sModule$, ByVal sText As String)
    Dim iFile As Integer
85     iFile = FreeFile
90     Open App.Path & "\stock.log" For Append As #iFile
95     Print #iFile, sModule & ": " & sText
100     Close #iFile
End Sub

Public Function SlotTotal(ByVal nFirst As Long, _
                          ByVal nLast As Long, _
                          Optional ByVal bFull As Boolean = False) As Long
'SS****** Do Not Delete, required by Quillmere
105 On Error GoTo ErrorHandler
Const sPROJECT as String = "Warehouse"
Const sMODULE as String = "modGlobals.bas"
Const sPROCEDURE as String = "Public Function SlotTotal(ByVal nFirst As Long,  ByVal nLast As Long,  Optional ByVal bFull As Boolean = False) As Long"
Dim sErrorMessage As String

'SE****** Do Not Delete, required by Quillmere
    Dim n As Long, nTotal As Long
110     For n = nFirst To nLast
115         nTotal = nTotal + n
120     Next n
125     SlotTotal = nTotal
'ES****** Do Not Delete, required by Quillmere
130 Exit Function
ErrorHandler:
135 sErrorMessage = "Error " & Err.Number & vbCrLf
140 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
145 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
150 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
155 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
160     End
Case vbRetry
165     Resume
Case vbIgnore
170     Resume Next
175 End Select

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

180 sMessage = sMessage & sVariableReport(mOpenCount, "mOpenCount") & VBCrLf

'Return the module dump string
185 sModuleVariables = sMessage
End Function
