Class Point
  Private mX
  Public Y
  Public Default Property Get X()
    X = mX
  End Property
  Public Property Let X(v)
    mX = v
  End Property
  Public Function Sum()
    Sum = Me.X + Y
  End Function
  Private Sub Class_Terminate()
    Show "bye"
  End Sub
End Class
Set p = New Point
p.X = 3: p.Y = 4
Show p.Sum() & p
Set q = p
Set p = Nothing
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", q
For Each k In d: Show d(k).Y: Next
