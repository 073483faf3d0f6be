; The Windows installer. scripts/package --windows passes VERSION, STAGE (the folder of files to
; install), ICON, FILELIST (the uninstaller's list of exactly those files) and OUTFILE.
; A 64-bit installer for a 64-bit program: it sees the real Program Files and registry.
Target amd64-unicode
SetCompressor /SOLID lzma

Name "Zib ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Zib"
RequestExecutionLevel admin
BrandingText "Zib ${VERSION}"
Icon "${ICON}"
UninstallIcon "${ICON}"
LicenseData "${STAGE}/licenses/LICENSE.txt"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zib"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The pages speak the languages the program does; the installer takes the one of the user's
; Windows, English when it is none of them.
LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Russian.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\PortugueseBR.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Spanish.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Romanian.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Ukrainian.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Polish.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Turkish.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\German.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Hungarian.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\SerbianLatin.nlf"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Zib"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Zib.lnk" "$INSTDIR\zib.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zib"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Zib developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zib.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there and nothing else: a settings file the user keeps beside
; the program, and the folder holding it, stay.
Section "Uninstall"
    SetShellVarContext all
    !include "${FILELIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Zib.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; A login entry would start a program that is gone.
    DeleteRegValue HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "Zib"
SectionEnd
