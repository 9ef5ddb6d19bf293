'[L NUMS] (Line numbers added by Quillmere)
VERSION 5.00
Begin VB.UserControl ctlGauge 
   ClientHeight    =   1200
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   3600
   PropertyPages   =   "ctlGauge.ctx":0000
   ScaleHeight     =   1200
   ScaleWidth      =   3600
   ToolboxBitmap   =   "ctlGauge.ctx":0012
   Begin VB.Timer tmrBlink 
      Enabled         =   0   'False
      Interval        =   500
      Left            =   120
      Top             =   120
   End
   Begin VB.Line linNeedle 
      BorderWidth     =   2
      X1              =   1800
      X2              =   3000
      Y1              =   1080
      Y2              =   240
   End
End
Attribute VB_Name = "ctlGauge"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = True
Option Explicit
' Jauge à aiguille: le contrôle lui-même

Public Event Click()
Public Event Changed(ByVal dValue As Double)

Private Const DEFAULT_MAX As Double = 100
Private mValue As Double
Private mMax As Double
Private mBlink As Boolean
Private mScale As clsScale
Public Caption As String

Private Sub UserControl_Initialize()
'SS****** Do Not Delete, required by Quillmere
15 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Private Sub UserControl_Initialize()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
25     mMax = DEFAULT_MAX
30     mValue = 0
'ES****** Do Not Delete, required by Quillmere
35 Exit Sub
ErrorHandler:
40 sLocalVariableDump = "No Local Variables"
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

Private Sub UserControl_Click()
'SS****** Do Not Delete, required by Quillmere
95 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Private Sub UserControl_Click()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
100     RaiseEvent Click
105     tmrBlink.Enabled = Not tmrBlink.Enabled
'ES****** Do Not Delete, required by Quillmere
110 Exit Sub
ErrorHandler:
115 sLocalVariableDump = "No Local Variables"
120 sErrorMessage = "Error " & Err.Number & vbCrLf
125 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
130 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
135 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
140 sErrorMessage = sErrorMessage & sLocalVariableDump
145 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
150     End
Case vbRetry
155     Resume
Case vbIgnore
160     Resume Next
165 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Public Property Get Value() As Double
Attribute Value.VB_UserMemId = 0
'SS****** Do Not Delete, required by Quillmere
170 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Public Property Get Value() As Double"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
175     Value = mValue
180     If mValue > mMax Then Value = mMax
'ES****** Do Not Delete, required by Quillmere
185 Exit Property
ErrorHandler:
190 sLocalVariableDump = "No Local Variables"
195 sErrorMessage = "Error " & Err.Number & vbCrLf
200 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
205 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
210 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
215 sErrorMessage = sErrorMessage & sLocalVariableDump
220 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
225     End
Case vbRetry
230     Resume
Case vbIgnore
235     Resume Next
240 End Select

'EE****** Do Not Delete, required by Quillmere
End Property

Public Property Let Value(ByVal dNew As Double)
'SS****** Do Not Delete, required by Quillmere
245 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Public Property Let Value(ByVal dNew As Double)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
250     mValue = dNew
255     PropertyChanged "Value"
260     RaiseEvent Changed(dNew)
'ES****** Do Not Delete, required by Quillmere
265 Exit Property
ErrorHandler:
270 sLocalVariableDump = "No Local Variables"
275 sErrorMessage = "Error " & Err.Number & vbCrLf
280 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
285 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
290 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
295 sErrorMessage = sErrorMessage & sLocalVariableDump
300 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
305     End
Case vbRetry
310     Resume
Case vbIgnore
315     Resume Next
320 End Select

'EE****** Do Not Delete, required by Quillmere
End Property

Friend Property Set GaugeScale(ByVal oScale As clsScale)
'SS****** Do Not Delete, required by Quillmere
325 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Friend Property Set GaugeScale(ByVal oScale As clsScale)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
330     Set mScale = oScale
335     mMax = oScale.High
'ES****** Do Not Delete, required by Quillmere
340 Exit Property
ErrorHandler:
345 sLocalVariableDump = "No Local Variables"
350 sErrorMessage = "Error " & Err.Number & vbCrLf
355 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
360 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
365 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
370 sErrorMessage = sErrorMessage & sLocalVariableDump
375 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
380     End
Case vbRetry
385     Resume
Case vbIgnore
390     Resume Next
395 End Select

'EE****** Do Not Delete, required by Quillmere
End Property

Private Static Sub Blink()
'SS****** Do Not Delete, required by Quillmere
400 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Private Static Sub Blink()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
10  mBlink = Not mBlink
20  linNeedle.Visible = mBlink
'ES****** Do Not Delete, required by Quillmere
405 Exit Sub
ErrorHandler:
410 sLocalVariableDump = "No Local Variables"
415 sErrorMessage = "Error " & Err.Number & vbCrLf
420 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
425 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
430 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
435 sErrorMessage = sErrorMessage & sLocalVariableDump
440 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
445     End
Case vbRetry
450     Resume
Case vbIgnore
455     Resume Next
460 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub tmrBlink_Timer()
'SS****** Do Not Delete, required by Quillmere
465 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Private Sub tmrBlink_Timer()"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
470     Blink
475     UserControl.Refresh
'ES****** Do Not Delete, required by Quillmere
480 Exit Sub
ErrorHandler:
485 sLocalVariableDump = "No Local Variables"
490 sErrorMessage = "Error " & Err.Number & vbCrLf
495 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
500 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
505 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
510 sErrorMessage = sErrorMessage & sLocalVariableDump
515 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
520     End
Case vbRetry
525     Resume
Case vbIgnore
530     Resume Next
535 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub UserControl_ReadProperties(PropBag As PropertyBag)
'SS****** Do Not Delete, required by Quillmere
540 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Private Sub UserControl_ReadProperties(PropBag As PropertyBag)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
545     mValue = PropBag.ReadProperty("Value", 0)
550     mMax = PropBag.ReadProperty("Max", DEFAULT_MAX)
'ES****** Do Not Delete, required by Quillmere
555 Exit Sub
ErrorHandler:
560 sLocalVariableDump = "No Local Variables"
565 sErrorMessage = "Error " & Err.Number & vbCrLf
570 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
575 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
580 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
585 sErrorMessage = sErrorMessage & sLocalVariableDump
590 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
595     End
Case vbRetry
600     Resume
Case vbIgnore
605     Resume Next
610 End Select

'EE****** Do Not Delete, required by Quillmere
End Sub

Private Sub UserControl_WriteProperties(PropBag As PropertyBag)
'SS****** Do Not Delete, required by Quillmere
615 On Error GoTo ErrorHandler
Const sPROJECT as String = "Gauges"
Const sMODULE as String = "ctlGauge.ctl"
Const sPROCEDURE as String = "Private Sub UserControl_WriteProperties(PropBag As PropertyBag)"
Dim sErrorMessage As String
Dim sLocalVariableDump as String 'Used for variable dump

'SE****** Do Not Delete, required by Quillmere
620     PropBag.WriteProperty "Value", mValue, 0
625     PropBag.WriteProperty "Max", mMax, DEFAULT_MAX
'ES****** Do Not Delete, required by Quillmere
630 Exit Sub
ErrorHandler:
635 sLocalVariableDump = "No Local Variables"
640 sErrorMessage = "Error " & Err.Number & vbCrLf
645 sErrorMessage = sErrorMessage & Err.Description & vbCrLf
650 sErrorMessage = sErrorMessage & "Location: " & sPROJECT & ": "
655 sErrorMessage = sErrorMessage & sMODULE & ": " & sPROCEDURE & vbCrLf 
660 sErrorMessage = sErrorMessage & sLocalVariableDump
665 Select Case MsgBox(sErrorMessage, vbAbortRetryIgnore, "Error in " & sPROJECT)
Case vbAbort
670     End
Case vbRetry
675     Resume
Case vbIgnore
680     Resume Next
685 End Select

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

690 sMessage = sMessage & sVariableReport(mValue, "mValue") & VBCrLf
695 sMessage = sMessage & sVariableReport(mMax, "mMax") & VBCrLf
700 sMessage = sMessage & sVariableReport(mBlink, "mBlink") & VBCrLf

'Return the module dump string
705 sModuleVariables = sMessage
End Function
