; The Windows installer of the T360KV Configurator, made on Linux by makensis
; (scripts/package.sh), from the folder that holds the programs and their Lang folder:
;
;   makensis -NOCD -DVERSION=1.0.0 -DPROGRAMS=build/windows -DOUTFILE=dist/setup.exe \
;            packaging/windows/t360kv.nsi
;
; It installs t360kv-win.exe, t360kv.exe and Lang\ under Program Files, a Start-menu
; shortcut to the window, and an uninstaller registered in Add/Remove Programs. /S
; installs silently (with /D=FOLDER, last, for another folder); the uninstaller's /S
; removes silently what was installed, file by file.

; A 64-bit installer, as the programs are: it runs where they run, wine64 included.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "T360KV Configurator"
!define PUBLISHER "Tidelane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\T360KV Configurator"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
Icon "${__FILEDIR__}/../../ui/windows/t360kv-win.ico"
UninstallIcon "${__FILEDIR__}/../../ui/windows/t360kv-win.ico"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2025 Norax Marine Electronics"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The shortcut for every user, and the 64-bit view of the registry.
Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    File "${PROGRAMS}/t360kv-win.exe"
    File "${PROGRAMS}/t360kv.exe"
    SetOutPath "$INSTDIR\Lang"
    File "${PROGRAMS}/Lang/Lang-EN.ini"
    File "${PROGRAMS}/Lang/Lang-TW.ini"
    File "${PROGRAMS}/Lang/Lang-CN.ini"
    File "${PROGRAMS}/Lang/ReadMe-EN_DIVEVIZAZIZE.txt"
    File "${PROGRAMS}/Lang/ReadMe-TW.txt"
    File "${PROGRAMS}/Lang/ReadMe-CN.txt"

    ; The shortcut starts the window in its own folder.
    SetOutPath "$INSTDIR"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\t360kv-win.exe"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\t360kv-win.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there: a folder the user added files to stays.
Section "Uninstall"
    Delete "$INSTDIR\t360kv-win.exe"
    Delete "$INSTDIR\t360kv.exe"
    Delete "$INSTDIR\Lang\Lang-EN.ini"
    Delete "$INSTDIR\Lang\Lang-TW.ini"
    Delete "$INSTDIR\Lang\Lang-CN.ini"
    Delete "$INSTDIR\Lang\ReadMe-EN_DIVEVIZAZIZE.txt"
    Delete "$INSTDIR\Lang\ReadMe-TW.txt"
    Delete "$INSTDIR\Lang\ReadMe-CN.txt"
    RMDir "$INSTDIR\Lang"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
