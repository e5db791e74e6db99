' A learner's program: a class with properties, With, ReDim Preserve, For Each over
' a 2-D array, Round, Len of a pound sign, error handling and a call before its Sub.
Class Account
  Private mBalance
  Public Owner
  Private Sub Class_Initialize()
    mBalance = 0
  End Sub
  Public Property Get Balance()
    Balance = mBalance
  End Property
  Public Sub Deposit(amount)
    If amount <= 0 Then Err.Raise vbObjectError + 1, "Account", "Deposit must be positive"
    mBalance = mBalance + amount
  End Sub
End Class
Report
Sub Report()
  Dim acc, grid(1, 1), list(), v, total
  Set acc = New Account
  With acc
    .Owner = "Ann"
    .Deposit 10
    .Deposit 2.5
  End With
  Show acc.Owner & " has " & acc.Balance
  ReDim list(1)
  list(0) = "a": list(1) = "b"
  ReDim Preserve list(2)
  list(2) = "c"
  Show Join(list, "")
  grid(0, 0) = 1: grid(1, 0) = 2: grid(0, 1) = 3: grid(1, 1) = 4
  For Each v In grid
    total = total & v
  Next
  Show total
  Show Round(2.5) & " " & Len("£5")
  On Error Resume Next
  acc.Deposit -1
  Show Err.Number - vbObjectError & " " & Err.Description
End Sub
