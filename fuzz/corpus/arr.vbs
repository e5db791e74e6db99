Dim a(3)
ReDim Preserve a(5)
For Each x In a: Show x: Next
Select Case 3
Case 1 To 4: Show 1
Case Else: Show 2
End Select