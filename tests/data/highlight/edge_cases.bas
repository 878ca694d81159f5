REM comentario en mayúsculas
x = 1: rem tras dos puntos
Remark = myRem + x.Rem resto
y = "a""b" & """entre comillas" & ""
z = "sin cerrar
d = #1/2/2003# + #12:30:00 PM#
e = #sin cerrar
n = 1.5E10 + 1E-5 - 2nd + &H4C + &O17 + 3.14
If a <> b And c <= d Or e >= f Then g = h => i == j
t$ = Left$(s$, 3) ' el dólar es un byte suelto
u = a!b + c%
ñandú = 5
Call Rutina(1, _
    2)
DIM Dim dim PROPERTY Property
ByVal ByRef True False Step Type Declare Optional Friend Enum
ruta = "C:\dir\a.bas" 'ruta	con tabulador

REM
Dim x As Integer
año = 2003
