; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, made with NSIS by scripts/test-windows.sh:
;   makensis -DVERSION=2.1.1 -DFILES=folder -DICON=orvane.ico -DOUTFILE=orvane-2.1.1-setup.exe orvane.nsi
; FILES holds orvane.exe, orvane-cli.exe, readme.txt and LICENSE. It installs them for everyone into
; Program Files (administrators) or for the current user alone into %LOCALAPPDATA%\Programs, without
; administrator rights; /AllUsers or /CurrentUser on the command line choose, /S installs silently.
; The uninstaller beside the programs (uninstall.exe: it also tells the programs that they are
; installed, so they keep their settings in %APPDATA%\Orvane) is registered in Apps & features and
; removes exactly what was installed; the user's settings and history stay.
; A 64-bit installer for the 64-bit programs: it runs where they run, and under 64-bit-only wine.
Target amd64-unicode

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Orvane"
!include MultiUser.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
!define SHORTCUT "$SMPROGRAMS\Orvane.lnk"

Name "Orvane ${VERSION}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Orvane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Orvane ${VERSION} setup"
VIAddVersionKey "CompanyName" "The Orvane developers"
VIAddVersionKey "LegalCopyright" "Copyright 2026 The Orvane developers. GPL 3 or later."

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Orvane"
    SetOutPath "$INSTDIR"
    File "${FILES}\orvane.exe"
    File "${FILES}\orvane-cli.exe"
    File "${FILES}\readme.txt"
    File "${FILES}\LICENSE"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\orvane.exe"

    ; SHCTX: HKLM for everyone, HKCU for the current user, as MultiUser chose. The uninstaller is told
    ; the mode, which it could not tell from the user's rights alone.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Orvane"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Orvane developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\orvane.exe"
    Delete "$INSTDIR\orvane-cli.exe"
    Delete "$INSTDIR\readme.txt"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: the folder may hold what the user put there.
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
