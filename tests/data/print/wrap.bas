Private Sub Form_Load()
	Dim s As String ' una nota
    MsgBox "hola, mundo" & s & " y algo más largo que una fila" ' y un comentario que sigue hasta pasar el margen derecho
    s = xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx

End Sub
