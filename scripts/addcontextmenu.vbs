' Adds "Create Shortcut Command" to the Explorer context menu of every file and folder, for the
' current user. The command hands quillet.exe the item's full path as its whole argument text,
' so %1 stays unquoted. Writing the same values again is harmless.
Option Explicit

Dim shell, programFolder, command, classKey, entry
Set shell = CreateObject("WScript.Shell")
programFolder = CreateObject("Scripting.FileSystemObject").GetParentFolderName(WScript.ScriptFullName)
command = """" & programFolder & "\quillet.exe"" %1"

For Each classKey In Array("*", "Directory")
  entry = "HKCU\Software\Classes\" & classKey & "\shell\QuilletCreateCommand\"
  shell.RegWrite entry, "Create Shortcut Command"
  shell.RegWrite entry & "command\", command
Next
