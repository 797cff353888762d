; Installer of the gaming mouse setting program. Built by scripts/make-dist.sh with
;   makensis -INPUTCHARSET UTF8 -DDIST=<dist folder> -DOUTFILE=<setup.exe> -DSKINS_NSH=<skin list> installer.nsi
; It installs the program with its data files and skins, asks for the interface language and writes
; it to str.ini ("Lan"), and offers "Start with Windows": a scheduled task that starts the program
; at logon with the highest run level (it requires administrator rights, which the Run key cannot
; give without a prompt). The uninstaller removes everything it installed, plus the files the
; program creates beside itself; it asks whether to keep the user's settings (config.bin, str.ini,
; record.ini).
;
; Silent use (/S):
;   setup.exe /S [/LAN=EN|GER|CHS|CHT] [/NOAUTOSTART] [/D=<folder>]   English and autostart by default
;   uninstall.exe /S [/KEEPSETTINGS]                                  settings removed unless asked

; The program is x86-64 only, and so is its installer (a native 64-bit view of files and registry).
Target amd64-unicode
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "WordFunc.nsh"

!define PRODUCT "Krello Marrowin²"
!define EXE "Krello_Marrowin².exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KrelloMarrowin"
; The logon task; its delay lets Explorer create the notification area before the icon is added.
!define LOGON_TASK "KrelloMarrowin"
!define LOGON_DELAY "PT15S"

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

LangString StartWithWindows ${LANG_ENGLISH} "Start with Windows"
LangString StartWithWindows ${LANG_GERMAN} "Mit Windows starten"
LangString StartWithWindows ${LANG_SIMPCHINESE} "开机时启动"
LangString StartWithWindows ${LANG_TRADCHINESE} "開機時啟動"
LangString KeepSettings ${LANG_ENGLISH} "Keep your settings (config.bin, str.ini, record.ini) for a later installation?"
LangString KeepSettings ${LANG_GERMAN} "Ihre Einstellungen (config.bin, str.ini, record.ini) für eine spätere Installation behalten?"
LangString KeepSettings ${LANG_SIMPCHINESE} "保留您的设置（config.bin、str.ini、record.ini）以便日后重新安装？"
LangString KeepSettings ${LANG_TRADCHINESE} "保留您的設定（config.bin、str.ini、record.ini）以便日後重新安裝？"

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var LanguageCode

Function SetLanguageCode
    ${If} ${Silent}
        ; Only the four codes the program knows; anything else installs English.
        ${If} $LanguageCode != "GER"
        ${AndIf} $LanguageCode != "CHS"
        ${AndIf} $LanguageCode != "CHT"
            StrCpy $LanguageCode "EN"
        ${EndIf}
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

Section "${PRODUCT}" SectionProgram
    SectionIn RO
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

; $R0 with the characters that XML text cannot hold as they are replaced by their entities.
Function EscapeXml
    ${WordReplace} $R0 "&" "&amp;" "+" $R0
    ${WordReplace} $R0 "<" "&lt;" "+" $R0
    ${WordReplace} $R0 ">" "&gt;" "+" $R0
FunctionEnd

Section "$(StartWithWindows)" SectionLogonTask
    ; The task starts the program for the user who installs it when that user logs on: elevated
    ; without a prompt, after a short delay, and never stopped for running long.
    ReadEnvStr $R0 USERDOMAIN
    ReadEnvStr $R1 USERNAME
    ${If} $R0 != ""
        StrCpy $R0 "$R0\$R1"
    ${Else}
        StrCpy $R0 $R1
    ${EndIf}
    Call EscapeXml
    StrCpy $R1 $R0
    StrCpy $R0 "$INSTDIR"
    Call EscapeXml
    InitPluginsDir
    ; Task Scheduler reads its XML as UTF-16.
    FileOpen $0 "$PLUGINSDIR\logon-task.xml" w
    FileWriteWord $0 0xFEFF
    FileWriteUTF16LE $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
    FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
    FileWriteUTF16LE $0 '  <Triggers><LogonTrigger><Enabled>true</Enabled><UserId>$R1</UserId>'
    FileWriteUTF16LE $0 '<Delay>${LOGON_DELAY}</Delay></LogonTrigger></Triggers>$\r$\n'
    FileWriteUTF16LE $0 '  <Principals><Principal id="Author"><UserId>$R1</UserId><LogonType>InteractiveToken</LogonType>'
    FileWriteUTF16LE $0 '<RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
    FileWriteUTF16LE $0 '  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>'
    FileWriteUTF16LE $0 '<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>'
    FileWriteUTF16LE $0 '<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>'
    FileWriteUTF16LE $0 '<ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Priority>5</Priority></Settings>$\r$\n'
    FileWriteUTF16LE $0 '  <Actions Context="Author"><Exec><Command>$R0\${EXE}</Command>'
    FileWriteUTF16LE $0 '<WorkingDirectory>$R0</WorkingDirectory></Exec></Actions>$\r$\n'
    FileWriteUTF16LE $0 '</Task>$\r$\n'
    FileClose $0
    nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Create /TN "${LOGON_TASK}" /XML "$PLUGINSDIR\logon-task.xml" /F'
    Pop $0
    ${If} $0 != 0
        DetailPrint "schtasks: $0"
    ${EndIf}
SectionEnd

; Comes after the sections: it names one of them.
Function .onInit
    ; A silent install takes the language from /LAN=EN|GER|CHS|CHT (English without it) and leaves
    ; out the logon task with /NOAUTOSTART.
    ${If} ${Silent}
        ${GetParameters} $0
        ${GetOptions} $0 "/LAN=" $LanguageCode
        ClearErrors
        ${GetOptions} $0 "/NOAUTOSTART" $1
        ${IfNot} ${Errors}
            !insertmacro UnselectSection ${SectionLogonTask}
        ${EndIf}
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

Var KeepSettings

Function un.onInit
    ; The uninstaller speaks the language the program was installed with.
    ReadINIStr $0 "$INSTDIR\str.ini" "Skins" "Lan"
    ${Select} $0
        ${Case} "GER"
            StrCpy $LANGUAGE ${LANG_GERMAN}
        ${Case} "CHS"
            StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
        ${Case} "CHT"
            StrCpy $LANGUAGE ${LANG_TRADCHINESE}
        ${CaseElse}
            StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndSelect}
    ; Silently the settings go unless /KEEPSETTINGS asks to keep them; otherwise the user is asked.
    StrCpy $KeepSettings 0
    ${If} ${Silent}
        ${GetParameters} $0
        ClearErrors
        ${GetOptions} $0 "/KEEPSETTINGS" $1
        ${IfNot} ${Errors}
            StrCpy $KeepSettings 1
        ${EndIf}
    ${Else}
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(KeepSettings)" IDNO +2
        StrCpy $KeepSettings 1
    ${EndIf}
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Delete /TN "${LOGON_TASK}" /F'
    Pop $0
    Delete /REBOOTOK "$INSTDIR\${EXE}"
    Delete "$INSTDIR\mousecfg.exe"
    Delete "$INSTDIR\config.bin.tmp"
    ${If} $KeepSettings != 1
        Delete "$INSTDIR\config.bin"
        Delete "$INSTDIR\config.bin.bad"
        Delete "$INSTDIR\str.ini"
        Delete "$INSTDIR\record.ini"
    ${EndIf}
    ; Only the skins this installer brought; skins the user added stay.
    !include "${SKINS_NSH}"
    RMDir "$INSTDIR\Skins"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
