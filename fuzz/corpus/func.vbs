Function F(n)
If n < 2 Then F = 1 Else F = n * F(n - 1)
End Function
Show F(5)