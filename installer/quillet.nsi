; The setup program of Quillet. It installs for the user who runs it (the default, without
; administrator rights: %LOCALAPPDATA%\Programs\Quillet, the Start Menu and Installed Apps entry of
; that user) or for all users (Program Files, the common Start Menu, an Installed Apps entry of the
; computer; administrator rights needed), and writes an uninstaller that takes away what its own
; install made. Built by cmake/setup.cmake:
;
;   makensis -DPROGRAM_DIR=<built program folder> -DVERSION=2.0 -DOUTFILE=<setup.exe> quillet.nsi
;
; (makensis works in this folder: relative paths below start here; give the others in full.)
;
; Silent: /S installs for the current user, /S /ALLUSERS for all users (/CURRENTUSER is accepted
; too); /D=<folder> chooses the folder. Installing over an older Quillet keeps the Cmds folder,
; which holds the user's commands. The uninstaller asks whether to remove those commands too; a
; silent run (/S) keeps them unless it is given /REMOVECOMMANDS as well.
;
; MultiUser.nsh is not used: it either asks every administrator for elevation up front (level
; Highest) or cannot install for all users (level User), and its folders are not the ones wanted
; here (%LOCALAPPDATA%\<name>, the 32-bit Program Files). The choice below is that part of it.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user  ; "Install for all users" asks for elevation when it is chosen
ManifestDPIAware true

!include LogicLib.nsh
!include FileFunc.nsh
!include MUI2.nsh
!include nsDialogs.nsh

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
; No InstallDir: an empty $INSTDIR in .onInit tells that no /D= was given.
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
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var AllUsers      ; 1: installed, or to be installed, for all users
Var ModeChosen    ; 1: the command line chose, so the setup does not ask
Var ForMeOnly     ; the radio buttons of the mode page
Var ForAllUsers
Var ChosenFolder  ; 1: /D= chose the folder

; Ends the setup or the uninstaller unless it runs with administrator rights.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_OK|MB_ICONSTOP "Installed for all users, Quillet keeps its commands in the registry of the whole computer, so only an administrator can install or uninstall it." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

; The scope's shell folders and registry root (SHCTX), and its folder unless /D= chose one.
Function UseMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    ${IfThen} $ChosenFolder != 1 ${|} StrCpy $INSTDIR "$PROGRAMFILES64\Quillet" ${|}
  ${Else}
    SetShellVarContext current
    ${IfThen} $ChosenFolder != 1 ${|} StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Quillet" ${|}
  ${EndIf}
FunctionEnd

Function .onInit
  SetRegView 64
  ${IfThen} $INSTDIR != "" ${|} StrCpy $ChosenFolder 1 ${|}
  StrCpy $AllUsers 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    StrCpy $ModeChosen 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/CURRENTUSER" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
    StrCpy $ModeChosen 1
  ${EndIf}
  ${If} $AllUsers == 1
    !insertmacro RequireAdministrator
  ${EndIf}
  Call UseMode
FunctionEnd

Function ModePage
  ${IfThen} $ModeChosen == 1 ${|} Abort ${|}
  !insertmacro MUI_HEADER_TEXT "Choose who can use Quillet" "Quillet can be installed for you alone or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "Install for me only"
  Pop $ForMeOnly
  ${NSD_CreateLabel} 12u 14u -12u 20u "Needs no administrator rights. Your commands are yours alone."
  Pop $0
  ${NSD_CreateRadioButton} 0 40u 100% 12u "Install for all users"
  Pop $ForAllUsers
  ${NSD_CreateLabel} 12u 54u -12u 20u "Needs administrator rights. Commands are made for everyone who uses this computer."
  Pop $0
  ${If} $AllUsers == 1
    ${NSD_Check} $ForAllUsers
  ${Else}
    ${NSD_Check} $ForMeOnly
  ${EndIf}
  nsDialogs::Show
FunctionEnd

; For all users without the rights, the setup starts itself again elevated, with the choice made.
Function ModePageLeave
  ${NSD_GetState} $ForAllUsers $AllUsers
  ${If} $AllUsers == ${BST_CHECKED}
    StrCpy $AllUsers 1
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "admin"
      ExecShell "runas" "$EXEPATH" "/ALLUSERS"
      Quit
    ${EndIf}
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call UseMode
FunctionEnd

Section "Quillet" SectionProgram
  SetRegView 64
  Call UseMode
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}/quillet.exe"
  ; Help is compiled on Linux hosts only (cmake/help.cmake): a setup made on Windows goes without.
  File /nonfatal "${PROGRAM_DIR}/quillet.chm"
  File "${PROGRAM_DIR}/*.vbs"
  File "${PROGRAM_DIR}/notices.txt"
  ; Quillet makes Cmds itself when it may; made here, it is there whoever starts Quillet first.
  CreateDirectory "$INSTDIR\Cmds"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quillet.lnk" "$INSTDIR\quillet.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillet.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; ---------------------------------------------------------------------------------------------
; The uninstaller

Var RemoveCommands  ; 1: remove the user's commands too
Var Folder          ; with its trailing backslash: App Paths entries that point into it are ours
Var Deleted         ; 1 when un.DeleteAppPathInFolder deleted the entry

Function un.onInit
  SetRegView 64
  ; The uninstaller is one of the user's own install when that install's entry names its folder.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${Else}
    StrCpy $AllUsers 1
    SetShellVarContext all
    !insertmacro RequireAdministrator
  ${EndIf}
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
  ReadRegStr $1 SHCTX "${APP_PATHS}\$0" ""
  StrLen $2 $Folder
  StrCpy $1 $1 $2
  ${If} $1 == $Folder
    DeleteRegKey SHCTX "${APP_PATHS}\$0"
    StrCpy $Deleted 1
  ${EndIf}
FunctionEnd

; Every command of the user: each points at its launcher shortcut in Cmds.
Function un.RemoveUserCommands
  StrCpy $Folder "$INSTDIR\Cmds\"
  StrCpy $3 0
  ${Do}
    EnumRegKey $0 SHCTX "${APP_PATHS}" $3
    ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
    Call un.DeleteAppPathInFolder
    ; A deleted entry's place in the enumeration goes to the next one.
    ${IfThen} $Deleted == 0 ${|} IntOp $3 $3 + 1 ${|}
  ${Loop}
  RMDir /r "$INSTDIR\Cmds"
FunctionEnd

Section "Uninstall"
  SetRegView 64
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
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
  Delete "$INSTDIR\notices.txt"
  Delete "$INSTDIR\clear.lnk"  ; the clear word's shortcut, where Windows runs no VBScript
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\Cmds"  ; only when no command is left in it
  RMDir "$INSTDIR"
  ; Last, so that whoever waits for the uninstaller can wait for this.
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
