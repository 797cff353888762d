; Installer of the gaming mouse setting program. Built by scripts/make-dist.sh with
;   makensis -INPUTCHARSET UTF8 -DDIST=<dist folder> -DOUTFILE=<setup.exe> -DSKINS_NSH=<skin list> installer.nsi
; It installs the program with its data files and skins, asks for the interface language (a silent
; install takes /LAN=EN|GER|CHS|CHT) and writes it to str.ini ("Lan"), and removes everything it installed (plus the files the program creates
; beside itself) when uninstalled.

; The program is x86-64 only, and so is its installer (a native 64-bit view of files and registry).
Target amd64-unicode
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Krello Marrowin²"
!define EXE "Krello_Marrowin².exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KrelloMarrowin"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\German.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\SimpChinese.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\TradChinese.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var LanguageCode

Function .onInit
    ; A silent install takes the language from /LAN=EN|GER|CHS|CHT (English without it).
    ${If} ${Silent}
        ${GetParameters} $0
        ${GetOptions} $0 "/LAN=" $LanguageCode
        Return
    ${EndIf}
    ; The language chosen here is the installer's and the program's interface language.
    Push ""
    Push ${LANG_ENGLISH}
    Push "English"
    Push ${LANG_GERMAN}
    Push "Deutsch"
    Push ${LANG_SIMPCHINESE}
    Push "简体中文"
    Push ${LANG_TRADCHINESE}
    Push "繁體中文"
    Push A
    LangDLL::LangDialog "${PRODUCT}" "Please select the language / Sprache / 语言 / 語言"
    Pop $LANGUAGE
    ${If} $LANGUAGE == "cancel"
        Abort
    ${EndIf}
FunctionEnd

Function SetLanguageCode
    ${If} $LanguageCode != ""
        Return
    ${EndIf}
    ${Select} $LANGUAGE
        ${Case} ${LANG_GERMAN}
            StrCpy $LanguageCode "GER"
        ${Case} ${LANG_SIMPCHINESE}
            StrCpy $LanguageCode "CHS"
        ${Case} ${LANG_TRADCHINESE}
            StrCpy $LanguageCode "CHT"
        ${CaseElse}
            StrCpy $LanguageCode "EN"
    ${EndSelect}
FunctionEnd

Section "Program"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${DIST}\${EXE}"
    !if /FileExists "${DIST}\mousecfg.exe"
        File "${DIST}\mousecfg.exe"
    !endif
    ; The factory configuration and settings: kept on reinstall, so the user's own survive.
    SetOverwrite off
    File "${DIST}\config.bin"
    File "${DIST}\str.ini"
    SetOverwrite on
    SetOutPath "$INSTDIR\Skins"
    File /r "${DIST}\Skins\*.*"

    Call SetLanguageCode
    WriteINIStr "$INSTDIR\str.ini" "Skins" "Lan" "$LanguageCode"

    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete /REBOOTOK "$INSTDIR\${EXE}"
    Delete "$INSTDIR\mousecfg.exe"
    Delete "$INSTDIR\config.bin"
    Delete "$INSTDIR\str.ini"
    Delete "$INSTDIR\record.ini"
    ; Only the skins this installer brought; skins the user added stay.
    !include "${SKINS_NSH}"
    RMDir "$INSTDIR\Skins"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
