; The Windows installer: a per-user install, asking for no administrator, into the user's own
; programs folder, with a Start menu entry and an entry in the list of installed programs.
; The riddle file in the program folder is the user's: installing again or upgrading never puts
; the bundled riddles over one that is there, and uninstalling leaves it, with its folder.
; makensis -DVERSION=... -DSTAGE=<installed tree> -DOUTFILE=<setup.exe> Quorvane.nsi
; A 64-bit installer for a 64-bit program: it also runs where no 32-bit programs can.
Target amd64-unicode
SetCompressor /SOLID lzma
Name "Quorvane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvane"
InstallDirRegKey HKCU "Software\Quorvane" "InstallDir"
RequestExecutionLevel user
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quorvane"
  SetOutPath "$INSTDIR"
  File /r /x dbRiddles.mdb "${STAGE}/*"
  SetOverwrite off
  File "${STAGE}/dbRiddles.mdb"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Quorvane.lnk" "$INSTDIR\quorvane.exe"
  WriteRegStr HKCU "Software\Quorvane" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\HAND-M.CUR"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\x"
  RMDir "$INSTDIR"  ; only when no riddle file is left in it
  Delete "$SMPROGRAMS\Quorvane.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Quorvane"
SectionEnd
