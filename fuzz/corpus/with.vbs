Class Node
  Public Name, Child
End Class
Set a = New Node
Set a.Child = New Node
With a
  .Name = "outer"
  With .Child
    .Name = "inner " & Len("£5")
  End With
  Show .Name & .Child.Name
End With
On Error Resume Next
For Each v In a: Show v: Next
Select Case 1 / 0
Case 1: Show 1
End Select
Execute "Show Eval(""1+2"")"
