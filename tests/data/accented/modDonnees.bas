Attribute VB_Name = "Donnees"
Option Explicit

' Données clés: the bytes of this comment stay as they are.
Public Function Libellé(ByVal sCode As String) As String
    Dim sTexte As String
    sTexte = "Réf. " & sCode
    Libellé = sTexte
End Function
