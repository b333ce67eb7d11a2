' The Run-dialog command "clear": empties the current user's Run-dialog history.
' Wine has no WshShell.RegDelete, so reg.exe deletes the key; the message waits for it.
Option Explicit

Dim shell, regExe
Set shell = CreateObject("WScript.Shell")
regExe = """" & shell.Environment("PROCESS")("SystemRoot") & "\System32\reg.exe"""
shell.Run regExe & " delete ""HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU"" /f", 0, True

MsgBox "The Run dialog's history has been cleared.", vbInformation, "Quillet"
