; The Windows installer of qx30, made by scripts/package-windows:
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1 -DSTAGE=<program folder> -DOUTFILE=<setup.exe> qx30.nsi
; Per user, without administrator rights: the program goes to
; %LOCALAPPDATA%\Programs\qx30, the working folder is Documents\qx30, seeded
; with the example lists, the help text and the default colours where they
; are missing, never overwritten. The shortcuts start the program there.
; The uninstaller removes the program and leaves the working folder.
; A 64-bit installer: Wine without its 32-bit half runs no other.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh

!define NAME "qx30"
!define SHORTCUT "qx30 - Régie de vol"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\qx30"

Name "${SHORTCUT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\qx30"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${STAGE}/qx30.ico"
!define MUI_UNICON "${STAGE}/qx30.ico"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION LaunchFromWorkingFolder
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Section "qx30"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\desinstaller.exe"

  ; The operator's files are theirs: only a missing one is put back.
  SetOutPath "$DOCUMENTS\qx30"
  SetOverwrite off
  File "${STAGE}/exemples/frequences.txt"
  File "${STAGE}/exemples/pilotes.txt"
  File "${STAGE}/exemples/commentaires.txt"
  File "${STAGE}/exemples/aide.txt"
  File "${STAGE}/exemples/parametres.ini"
  SetOverwrite on

  ; A shortcut starts in the output folder of its creation.
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}.lnk" "$INSTDIR\qx30.exe" "" "$INSTDIR\qx30.ico" 0
  CreateShortCut "$DESKTOP\${SHORTCUT}.lnk" "$INSTDIR\qx30.exe" "" "$INSTDIR\qx30.ico" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${SHORTCUT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qx30.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function LaunchFromWorkingFolder
  SetOutPath "$DOCUMENTS\qx30"
  Exec '"$INSTDIR\qx30.exe"'
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${SHORTCUT}.lnk"
  Delete "$DESKTOP\${SHORTCUT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only the program's own folder: Documents\qx30 and its sessions stay.
  RMDir /r "$INSTDIR"
SectionEnd
