; The Windows installer: quillmere.exe, the user guide "QMR Help.chm" beside
; it (F1 opens it there) and the README into Program Files, the program's
; folder on the user's PATH when asked for, and an uninstaller registered
; with Windows. Built by scripts/package-windows, which passes
;   /DVERSION=x.y.z /DPROGRAM=<quillmere.exe> /DREADME=<README.md> [/DHELP=<QMR Help.chm>] /DOUTFILE=<setup.exe>
;
; Silent use: setup.exe /S [/PATH] [/D=folder]   uninstall.exe /S
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include StrFunc.nsh
!include WinMessages.nsh
${StrStr}
${UnStrRep}

!define PRODUCT "Quillmere"
!define MAKER "Oskavel Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; NSIS holds at most NSIS_MAX_STRLEN characters in a variable: a longer PATH
; would come back cut short, so it is left alone rather than rewritten.
!define LONGEST_PATH_TOUCHED 1000

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=quillmere.exe" "${PROGRAM}"
  File "/oname=README.txt" "${README}"
!ifdef HELP
  File "/oname=QMR Help.chm" "${HELP}"
!endif
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Add to my PATH" SecPath
  ClearErrors
  ReadRegStr $0 HKCU "Environment" "Path"
  StrLen $1 $0
  ${If} $1 > ${LONGEST_PATH_TOUCHED}
    DetailPrint "Your PATH is too long to be changed safely; add $INSTDIR to it yourself."
    Return
  ${EndIf}
  ${StrStr} $2 ";$0;" ";$INSTDIR;"
  ${If} $2 != ""
    Return
  ${EndIf}
  ${If} $0 == ""
    WriteRegExpandStr HKCU "Environment" "Path" "$INSTDIR"
  ${Else}
    WriteRegExpandStr HKCU "Environment" "Path" "$0;$INSTDIR"
  ${EndIf}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" 1
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PATH" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecPath} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "AddedToPath"
  ${If} $0 == 1
    Call un.RemoveFromPath
  ${EndIf}
  Delete "$INSTDIR\quillmere.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\QMR Help.chm"
  ; What the program itself writes into its folder when it may: the default
  ; style it creates and the command-line failure log. Styles the user made
  ; are kept, and with them the folder.
  Delete "$INSTDIR\Simple.style"
  Delete "$INSTDIR\QMR Command Line Failure.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.RemoveFromPath
  ReadRegStr $0 HKCU "Environment" "Path"
  StrLen $1 $0
  ${If} $1 > ${LONGEST_PATH_TOUCHED}
    DetailPrint "Your PATH is too long to be changed safely; remove $INSTDIR from it yourself."
    Return
  ${EndIf}
  ${UnStrRep} $0 ";$0;" ";$INSTDIR;" ";"
  StrCpy $0 $0 "" 1
  StrCpy $0 $0 -1
  ${If} $0 == ""
    DeleteRegValue HKCU "Environment" "Path"
  ${Else}
    WriteRegExpandStr HKCU "Environment" "Path" "$0"
  ${EndIf}
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
FunctionEnd
