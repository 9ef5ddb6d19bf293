VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Object = "{3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0"; "RICHTX32.OCX"
Begin VB.Form frmErrorReport 
   Caption         =   "Error report"
   Begin RichTextLib.RichTextBox rtbReport 
      Height          =   2895
   End
End
Attribute VB_Name = "frmErrorReport"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Public ReportText As String

Private Sub Form_Load()
    rtbReport.Text = ReportText
    Caption = "Error report"
End Sub
