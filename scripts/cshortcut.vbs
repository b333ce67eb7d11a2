' Writes a command's launcher shortcut for Quillet.
' The fields come in the QUILLET_SHORTCUT_* variables of this process, which keep them exactly;
' without those, from the command line: lnk ; target ; folder ; mode ; parameters.
Option Explicit

Dim shell, env, lnk, target, folder, mode, parameters
Set shell = CreateObject("WScript.Shell")
Set env = shell.Environment("PROCESS")

lnk = env("QUILLET_SHORTCUT_LNK")
If lnk <> "" Then
  target = env("QUILLET_SHORTCUT_TARGET")
  folder = env("QUILLET_SHORTCUT_FOLDER")
  mode = env("QUILLET_SHORTCUT_MODE")
  parameters = env("QUILLET_SHORTCUT_PARAMETERS")
Else
  Dim fields
  fields = FieldsFromArguments()
  lnk = fields(0): target = fields(1): folder = fields(2): mode = fields(3): parameters = fields(4)
End If

Dim link
Set link = shell.CreateShortcut(lnk)
If IsWebAddress(target) Then
  ' A shortcut whose target is an address gets it saved as a file path, so the shortcut starts
  ' rundll32's FileProtocolHandler instead: it hands the address to the shell, which opens it in
  ' the default browser (or mail program) on Windows and Wine alike. No start-in folder needed.
  link.TargetPath = env("SystemRoot") & "\System32\rundll32.exe"
  Dim arguments
  arguments = "url.dll,FileProtocolHandler " & target
  If parameters <> "" Then arguments = arguments & " " & parameters
  link.Arguments = arguments
Else
  link.TargetPath = target
  link.Arguments = parameters
  If folder <> "" Then link.WorkingDirectory = folder
End If
link.WindowStyle = WindowStyle(mode)
link.Save

' The script host splits its command line at blanks and drops double quotes, so each separator
' " ; " arrives as an argument ";" of its own. The first four of them end the first four fields
' (two in a row mean an empty field); parameters are the rest. Runs of blanks become one.
Function FieldsFromArguments()
  Dim result(4), field, i
  field = 0
  For i = 0 To WScript.Arguments.Count - 1
    If WScript.Arguments(i) = ";" And field < 4 Then
      field = field + 1
    ElseIf result(field) = "" Then
      result(field) = WScript.Arguments(i)
    Else
      result(field) = result(field) & " " & WScript.Arguments(i)
    End If
  Next
  FieldsFromArguments = result
End Function

' An address has a scheme: a letter and at least one more letter, digit, "+", "-" or "." before
' its ":" (http:, mailto:, ms-settings:), which a drive letter ("C:") never has.
Function IsWebAddress(text)
  Dim scheme
  Set scheme = New RegExp
  scheme.Pattern = "^[A-Za-z][A-Za-z0-9+.\-]+:"
  IsWebAddress = scheme.Test(text)
End Function

' 1 normal, 3 maximized, 7 minimized; anything else opens normally.
Function WindowStyle(text)
  Select Case Trim(text)
    Case "3": WindowStyle = 3
    Case "7": WindowStyle = 7
    Case Else: WindowStyle = 1
  End Select
End Function
