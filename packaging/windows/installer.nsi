; The Windows installer of Математика 6; build.sh gives the defines:
;   VERSION, STAGE (the installed tree: bin\ …), OUTFILE, ICONS (the .ico files),
;   UNINSTALL_FILES (the uninstaller's list of what was installed), SIZE_KB.
; makensis -DVERSION=1.0.0 … installer.nsi.  /S installs (and uninstalls) silently.

Unicode true
; A 64-bit installer for 64-bit programs (wine64 runs no 32-bit one).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define APP "Математика 6"
!define REPORT "Математика 6 — результати"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Matematyka6"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Matematyka6"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP}: встановлення"
VIAddVersionKey /LANG=0 "LegalCopyright" "Matematyka 6 developers"

!include "MUI2.nsh"
!define MUI_ICON "${ICONS}/matematyka6.ico"
!define MUI_UNICON "${ICONS}/matematyka6.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\matematyka6.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Запустити «${APP}»"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Ukrainian"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Install"
    ; Shortcuts for every user of the computer.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; A shortcut starts in its target's folder, which is no data folder: the pupil's
    ; own one (%APPDATA%\matematyka6) is used, or the one given with --data.
    SetOutPath "$INSTDIR\bin"
    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\bin\matematyka6.exe" "" "$INSTDIR\bin\matematyka6.ico" 0 \
        SW_SHOWNORMAL "" "Тренажер з математики для 6 класу"
    CreateShortcut "$SMPROGRAMS\${REPORT}.lnk" "$INSTDIR\bin\matematyka6-report.exe" "" "$INSTDIR\bin\matematyka6-report.ico" 0 \
        SW_SHOWNORMAL "" "Результати учнів із журналів «${APP}»"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Matematyka 6 developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\matematyka6.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${APP}.lnk"
    Delete "$SMPROGRAMS\${REPORT}.lnk"
    ; Only the files installed, one by one: the pupils' results live in their data
    ; folders (%APPDATA%\matematyka6, a class share), never touched here, and a
    ; folder that still holds anything else stays.
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
