' Removes the "Create Shortcut Command" entries that addcontextmenu.vbs adds.
' Wine has no WshShell.RegDelete, so reg.exe deletes the keys; a key that is not there is fine.
Option Explicit

Dim shell, regExe, classKey, entry
Set shell = CreateObject("WScript.Shell")
regExe = """" & shell.Environment("PROCESS")("SystemRoot") & "\System32\reg.exe"""

For Each classKey In Array("*", "Directory")
  entry = "HKCU\Software\Classes\" & classKey & "\shell\QuilletCreateCommand"
  shell.Run regExe & " delete """ & entry & """ /f", 0, True
Next
