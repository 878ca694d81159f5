; The Windows installer: tips.exe, the sample tips and LEEME.txt into a folder the user picks (by
; default under the user's own programs folder, since the program writes trucos.dat beside itself), a
; Start-menu shortcut and an uninstaller that keeps the user's trucos.dat unless asked to remove it.
; makensis -DVERSION=x.y.z -DSTAGE=<folder with the three files> -DOUTFILE=<setup.exe> tips.nsi

; tips.exe is a 64-bit program; so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef STAGE
  !error "STAGE is not defined"
!endif
!ifndef OUTFILE
  !error "OUTFILE is not defined"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tips"

Name "Tips ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tips"
InstallDirRegKey HKCU "Software\Tips" "InstallDir"
ShowInstDetails show

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Spanish.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tips"
  SetOutPath "$INSTDIR"
  File "${STAGE}\tips.exe"
  File "${STAGE}\LEEME.txt"
  ; The user's tips are never replaced by the sample.
  SetOverwrite off
  File "${STAGE}\trucos.dat"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\Desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\Tips.lnk" "$INSTDIR\tips.exe"
  WriteRegStr HKCU "Software\Tips" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tips"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\tips.exe"
  Delete "$INSTDIR\LEEME.txt"
  Delete "$SMPROGRAMS\Tips.lnk"
  ; Asked only when the uninstaller is shown; a silent one keeps the tips.
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "¿Desea borrar también sus trucos (trucos.dat y sus copias de seguridad)?$\n$\nSi responde No, se conservan en $INSTDIR." \
    /SD IDNO IDNO keepTips
    Delete "$INSTDIR\trucos.dat"
    Delete "$INSTDIR\trucos.dat.*"
  keepTips:
  Delete "$INSTDIR\Desinstalar.exe"
  ; Removed only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Tips"
SectionEnd
