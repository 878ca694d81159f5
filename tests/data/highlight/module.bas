Attribute VB_Name = "Module1"
Option Explicit

' Devuelve el mayor de dos valores
Public Function Mayor(ByVal a As Long, ByVal b As Long) As Long
	If a >= b Then
		Mayor = a
	Else
		Mayor = b
	End If
End Function

Private Sub Command1_Click()
    Dim s As String, i As Integer
    s = "Hola, " & Text1.Text & "!"
    For i = 1 To Len(s) Step 2
        Debug.Print Mid$(s, i, 1); ' carácter a carácter
    Next i
    MsgBox "Fin", vbInformation, App.Title
End Sub
