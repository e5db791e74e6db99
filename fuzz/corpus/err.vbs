On Error Resume Next
x = 1/0
Show Err.Number
Do While i < 3: i = i + 1: Loop