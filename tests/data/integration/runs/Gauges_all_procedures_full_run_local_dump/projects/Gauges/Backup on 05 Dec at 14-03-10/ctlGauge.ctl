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
    mMax = DEFAULT_MAX
    mValue = 0
End Sub

Private Sub UserControl_Click()
    RaiseEvent Click
    tmrBlink.Enabled = Not tmrBlink.Enabled
End Sub

Public Property Get Value() As Double
Attribute Value.VB_UserMemId = 0
    Value = mValue
    If mValue > mMax Then Value = mMax
End Property

Public Property Let Value(ByVal dNew As Double)
    mValue = dNew
    PropertyChanged "Value"
    RaiseEvent Changed(dNew)
End Property

Friend Property Set GaugeScale(ByVal oScale As clsScale)
    Set mScale = oScale
    mMax = oScale.High
End Property

Private Static Sub Blink()
10  mBlink = Not mBlink
20  linNeedle.Visible = mBlink
End Sub

Private Sub tmrBlink_Timer()
    Blink
    UserControl.Refresh
End Sub

Private Sub UserControl_ReadProperties(PropBag As PropertyBag)
    mValue = PropBag.ReadProperty("Value", 0)
    mMax = PropBag.ReadProperty("Max", DEFAULT_MAX)
End Sub

Private Sub UserControl_WriteProperties(PropBag As PropertyBag)
    PropBag.WriteProperty "Value", mValue, 0
    PropBag.WriteProperty "Max", mMax, DEFAULT_MAX
End Sub
