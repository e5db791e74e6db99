Sub P(ByVal a, ByRef b)
b = a & Mid("abc", 2) & Replace("aXb", "X", "-")
End Sub
P 1, z
Show z & CStr(0.1+0.2) & Round(2.5)