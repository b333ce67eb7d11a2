; The setup program of Quillet. It puts the program folder under Program Files (64-bit), adds a
; Start Menu shortcut and an entry in Installed Apps, and writes an uninstaller that takes all of
; it away again. Built by cmake/setup.cmake:
;
;   makensis -DPROGRAM_DIR=<built program folder> -DVERSION=2.0 -DOUTFILE=<setup.exe> quillet.nsi
;
; (makensis works in this folder: relative paths below start here; give the others in full.)
;
; Administrator rights are required: Quillet's commands live in HKLM, and so does the Installed
; Apps entry. Installing over an older Quillet keeps the Cmds folder, which holds the user's
; commands. The uninstaller asks whether to remove those commands too; a silent run (/S) keeps
; them unless it is given /REMOVECOMMANDS as well.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include LogicLib.nsh
!include FileFunc.nsh
!include MUI2.nsh

!ifndef PROGRAM_DIR | VERSION | OUTFILE
  !error "makensis needs -DPROGRAM_DIR=<program folder> -DVERSION=<version> -DOUTFILE=<setup program>"
!endif

; The version the setup states is the one quillet.exe states of itself.
!getdllversion "${PROGRAM_DIR}/quillet.exe" EXE_VERSION_
!if "${EXE_VERSION_1}.${EXE_VERSION_2}" != "${VERSION}"
  !error "quillet.exe is version ${EXE_VERSION_1}.${EXE_VERSION_2}, the build says ${VERSION}"
!endif

!define APP_PATHS "Software\Microsoft\Windows\CurrentVersion\App Paths"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet"
!define CONTEXT_MENU_ENTRY "shell\QuilletCreateCommand"
!define PUBLISHER "The Quillet maintainers"

Name "Quillet ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quillet"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quillet ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Quillet"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Quillet ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright 2026 the Quillet maintainers"

!define MUI_ICON "../resources/artwork/quillet.ico"
!define MUI_UNICON "../resources/artwork/quillet.ico"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends the setup or the uninstaller unless it runs with administrator rights.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_OK|MB_ICONSTOP "Quillet keeps its commands in the registry of the whole computer, so only an administrator can install or uninstall it." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Function .onInit
  SetRegView 64
  !insertmacro RequireAdministrator
FunctionEnd

Section "Quillet" SectionProgram
  SetRegView 64
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}/quillet.exe"
  ; Help is compiled on Linux hosts only (cmake/help.cmake): a setup made on Windows goes without.
  File /nonfatal "${PROGRAM_DIR}/quillet.chm"
  File "${PROGRAM_DIR}/*.vbs"
  ; Quillet makes Cmds itself when it may; made here, it is there whoever starts Quillet first.
  CreateDirectory "$INSTDIR\Cmds"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quillet.lnk" "$INSTDIR\quillet.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillet.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; ---------------------------------------------------------------------------------------------
; The uninstaller

Var RemoveCommands  ; 1: remove the user's commands too
Var Folder          ; with its trailing backslash: App Paths entries that point into it are ours
Var Deleted         ; 1 when un.DeleteAppPathInFolder deleted the entry

Function un.onInit
  SetRegView 64
  !insertmacro RequireAdministrator
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVECOMMANDS" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveCommands 1
  ${EndIf}
FunctionEnd

; Deletes App Paths\<$0> when its default value names a file in $Folder (letter case aside):
; an entry that points elsewhere belongs to another program, or to another copy of Quillet.
Function un.DeleteAppPathInFolder
  StrCpy $Deleted 0
  ReadRegStr $1 HKLM "${APP_PATHS}\$0" ""
  StrLen $2 $Folder
  StrCpy $1 $1 $2
  ${If} $1 == $Folder
    DeleteRegKey HKLM "${APP_PATHS}\$0"
    StrCpy $Deleted 1
  ${EndIf}
FunctionEnd

; Every command of the user: each points at its launcher shortcut in Cmds.
Function un.RemoveUserCommands
  StrCpy $Folder "$INSTDIR\Cmds\"
  StrCpy $3 0
  ${Do}
    EnumRegKey $0 HKLM "${APP_PATHS}" $3
    ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
    Call un.DeleteAppPathInFolder
    ; A deleted entry's place in the enumeration goes to the next one.
    ${IfThen} $Deleted == 0 ${|} IntOp $3 $3 + 1 ${|}
  ${Loop}
  RMDir /r "$INSTDIR\Cmds"
FunctionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  ${If} $RemoveCommands != 1
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Do you want to remove your Quillet commands as well?$\r$\n$\r$\nYes removes them from the Run dialog and deletes their files. No keeps them: they work again once Quillet is installed again." /SD IDNO IDNO keep
    StrCpy $RemoveCommands 1
    keep:
  ${EndIf}
  ${If} $RemoveCommands == 1
    Call un.RemoveUserCommands
  ${EndIf}

  ; The Run-dialog words Quillet writes for itself, where they still lead here.
  StrCpy $Folder "$INSTDIR\"
  ${ForEach} $4 0 3 + 1
    ${Select} $4
      ${Case} 0
        StrCpy $0 "create.exe"
      ${Case} 1
        StrCpy $0 "remove.exe"
      ${Case} 2
        StrCpy $0 "clear.exe"
      ${Case} 3
        StrCpy $0 "quillet.exe"
    ${EndSelect}
    Call un.DeleteAppPathInFolder
  ${Next}

  ; The Explorer entry and the first-start record of the user who uninstalls.
  DeleteRegKey HKCU "Software\Classes\*\${CONTEXT_MENU_ENTRY}"
  DeleteRegKey HKCU "Software\Classes\Directory\${CONTEXT_MENU_ENTRY}"
  DeleteRegKey HKCU "Software\Quillet"

  Delete "$SMPROGRAMS\Quillet.lnk"
  Delete "$INSTDIR\quillet.exe"
  Delete "$INSTDIR\quillet.chm"
  Delete "$INSTDIR\*.vbs"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\Cmds"  ; only when no command is left in it
  RMDir "$INSTDIR"
  ; Last, so that whoever waits for the uninstaller can wait for this.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
