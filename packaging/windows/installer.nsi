; SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The Windows installer: installs for the current user, without elevation, into the user's own
; programs folder, with a Start-menu shortcut, a desktop shortcut only when asked for, and an
; uninstaller that Settings > Apps lists. /S installs or uninstalls silently; /DESKTOP adds the
; desktop shortcut to a silent install.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.00 -DNUMERIC_VERSION=1.0.0.0 -DSTAGE=dir -DOUTFILE=file

; A 64-bit installer for a 64-bit program; it also runs where only 64-bit programs do.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define APP_NAME "Sarvel用タイマー"
!define PUBLISHER "Movarc developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Movarc"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Movarc"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${STAGE}\Movarc.ico"
!define MUI_UNICON "${STAGE}\Movarc.ico"
!define MUI_ABORTWARNING
!define MUI_LICENSEPAGE_TEXT_BOTTOM "このプログラムは GNU GPL 第 3 版以降のフリーソフトウェアです。使うための同意は要りません。"
!define MUI_LICENSEPAGE_BUTTON "次へ(&N) >"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Movarc.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\licenses\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "ライセンスを表示する"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\Movarc-GPL-3.0-or-later.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${NUMERIC_VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Movarc"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${APP_NAME} のセットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "GPL-3.0-or-later"

Section "${APP_NAME}" SectionProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${STAGE}\Movarc.exe"
    SetOutPath "$INSTDIR\licenses"
    File "${STAGE}\licenses\*.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\Movarc.exe" "" "$INSTDIR\Movarc.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Movarc.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://movarc.org"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "デスクトップ" SectionDesktop
    SetShellVarContext current
    CreateShortcut "$DESKTOP\${APP_NAME}.lnk" "$INSTDIR\Movarc.exe" "" "$INSTDIR\Movarc.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "タイマー本体と、スタート メニューのショートカット"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "デスクトップにショートカットを作ります"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    IfErrors +2
    SectionSetFlags ${SectionDesktop} ${SF_SELECTED}
FunctionEnd

; Removes exactly what the installer put there, so that a folder chosen by the user keeps
; whatever else it holds.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    Delete "$DESKTOP\${APP_NAME}.lnk"
    Delete "$INSTDIR\Movarc.exe"
    Delete "$INSTDIR\licenses\Movarc-GPL-3.0-or-later.txt"
    Delete "$INSTDIR\licenses\Qt-LGPL-3.0-only.txt"
    Delete "$INSTDIR\licenses\Qt-third-party.txt"
    Delete "$INSTDIR\licenses\MinGW-w64-and-GCC-runtime.txt"
    Delete "$INSTDIR\licenses\README.txt"
    RMDir "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
