'[L NUMS] (Line numbers added by Quillmere)
VERSION 5.00
Begin VB.Form frmPreview 
   Caption         =   "Preview"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
   LinkTopic       =   "Form1"
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton cmdClose 
      Caption         =   "Close"
      Height          =   375
      Left            =   3120
      TabIndex        =   0
      Top             =   2520
      Width           =   1215
   End
End
Attribute VB_Name = "frmPreview"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Public PreviewValue As Double
Private mShown As Boolean

Private Sub Form_Load()
'SS****** Do Not Delete, required by Quillmere
10 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "frmPreview.frm"
Const sPROCEDURE as String = "Private Sub Form_Load()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
15     mShown = True
20     PreviewValue = NextId()
'ES****** Do Not Delete, required by Quillmere
25 Exit Sub
ErrorHandler:
30 sLocalVariableDump = "No Local Variables"
35 sErrorMessage = "Error " & Err.Number & vbCrLf
40 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
45 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
50 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
55 sErrorMessage = sErrorMessage & sLocalVariableDump
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

Public Property Get Shown() As Boolean
'SS****** Do Not Delete, required by Quillmere
85 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "frmPreview.frm"
Const sPROCEDURE as String = "Public Property Get Shown() As Boolean"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
90     Shown = mShown
95     PreviewValue = PreviewValue + 1
'ES****** Do Not Delete, required by Quillmere
100 Exit Property
ErrorHandler:
105 sLocalVariableDump = "No Local Variables"
110 sErrorMessage = "Error " & Err.Number & vbCrLf
115 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
120 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
125 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
130 sErrorMessage = sErrorMessage & sLocalVariableDump
135 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
140     End
Case vbRetry
145     Resume
Case vbIgnore
150     Resume Next
155 End Select

'EE****** Do Not Delete, required by Quillmere
End Property

Private Sub cmdClose_Click()
'SS****** Do Not Delete, required by Quillmere
160 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "frmPreview.frm"
Const sPROCEDURE as String = "Private Sub cmdClose_Click()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
165     mShown = False
170     Unload Me
'ES****** Do Not Delete, required by Quillmere
175 Exit Sub
ErrorHandler:
180 sLocalVariableDump = "No Local Variables"
185 sErrorMessage = "Error " & Err.Number & vbCrLf
190 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
195 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
200 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
205 sErrorMessage = sErrorMessage & sLocalVariableDump
210 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
215     End
Case vbRetry
220     Resume
Case vbIgnore
225     Resume Next
230 End Select

'EE****** Do Not Delete, required by Quillmere
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

235 sMessage = sMessage & sVariableReport(mShown, "mShown") & VBCrLf

'Return the module dump string
240 sModuleVariables = sMessage
End Function
