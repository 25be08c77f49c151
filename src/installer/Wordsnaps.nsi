; The Windows installer of Wordsnaps 2000, built by makensis from the program directory.
; makensis -DPROGRAM_DIR=<the program directory of the win64 build> -DOUT_FILE=<setup.exe>
; Installs per user (the default) or for all users (/AllUsers, or the first page);
; silently with /S. The uninstaller removes what was installed and asks before it
; removes the user's own Wordsnaps folder (%APPDATA%\Wordsnaps); silently it keeps it.

; The product is 64-bit, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Wordsnaps 2000"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wordsnaps2000"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Wordsnaps 2000"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
VIProductVersion "1.7.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "1.7"
VIAddVersionKey "ProductVersion" "1.7"
VIAddVersionKey "LegalCopyright" "Wordsnaps"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; A folder given with /D wins over the install mode's default folder.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  StrCmp $0 "" +2
    StrCpy $INSTDIR $0
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\Wordsnap.exe"
  File "${PROGRAM_DIR}\WDSN95HK.DLL"
  File "${PROGRAM_DIR}\cueview.exe"
  File "${PROGRAM_DIR}\WORDSNAP.DOC"
  File "${PROGRAM_DIR}\WORDSNAP.HTM"
  File "${PROGRAM_DIR}\ssce4332.dll"
  File "${PROGRAM_DIR}\ssceam.tlx"
  File "${PROGRAM_DIR}\ssceam1.clx"
  File "${PROGRAM_DIR}\sscebr.tlx"
  File "${PROGRAM_DIR}\sscebr1.clx"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Wordsnap.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "1.7"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Wordsnap.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Start with Windows" SecAutostart
  WriteRegStr SHCTX "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Wordsnap.exe"'
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\Wordsnap.exe"
  Delete "$INSTDIR\WDSN95HK.DLL"
  Delete "$INSTDIR\cueview.exe"
  Delete "$INSTDIR\WORDSNAP.DOC"
  Delete "$INSTDIR\WORDSNAP.HTM"
  Delete "$INSTDIR\ssce4332.dll"
  Delete "$INSTDIR\ssceam.tlx"
  Delete "$INSTDIR\ssceam1.clx"
  Delete "$INSTDIR\sscebr.tlx"
  Delete "$INSTDIR\sscebr1.clx"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue SHCTX "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  IfFileExists "$APPDATA\Wordsnaps\*.*" 0 done
    MessageBox MB_YESNO|MB_ICONQUESTION "Also remove your Wordsnaps and settings in $APPDATA\Wordsnaps?" /SD IDNO IDNO done
    RMDir /r "$APPDATA\Wordsnaps"
  done:
SectionEnd
