; The installer of Quorvelle for Windows, in French: for the current user or for all users, a
; Start menu entry, an uninstaller, and, if the user wishes it, .txt files opened by Quorvelle.
; Without DESKTOP, the folder holds the command line alone: no entry, nothing opens the files.
; makensis [-DDESKTOP] -DVERSION=2.0.0 -DSTAGE=<the portable folder>
;          -DUNINSTALL_LIST=<its files, as Delete and RMDir lines> -DOUTFILE=<setup.exe> installer.nsi
; A 64-bit installer, as the program: it sees the 64-bit registry and Program Files.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Quorvelle"
!define PUBLISHER "L'équipe Quorvelle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvelle"
!define PROGID "Quorvelle.Texte"

; Installed for all users (Program Files) or for the current user alone (AppData), as chosen on
; the first page or by /AllUsers or /CurrentUser on the command line.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Quorvelle"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${STAGE}\quorvelle.ico"
!define MUI_UNICON "${STAGE}\quorvelle.ico"
!define MUI_ABORTWARNING
!ifdef DESKTOP
    !define MUI_FINISHPAGE_RUN "$INSTDIR\quorvelle.exe"
    !define MUI_FINISHPAGE_RUN_TEXT "Ouvrir Quorvelle"
!endif

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licences\quorvelle.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "French"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "Quorvelle demande une version 64 bits de Windows."
        Abort
    ${EndIf}
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Quorvelle (obligatoire)" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\desinstaller.exe"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvelle.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstaller.exe" /$MultiUser.InstallMode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1

!ifdef DESKTOP
    CreateShortcut "$SMPROGRAMS\Quorvelle.lnk" "$INSTDIR\quorvelle.exe" "" "$INSTDIR\quorvelle.ico"

    ; Quorvelle is offered among the programs that open a .txt file, whatever the choice below.
    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Texte pour Quorvelle"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\quorvelle.ico"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\quorvelle.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\.txt\OpenWithProgids" "${PROGID}" ""
!endif
SectionEnd

!ifdef DESKTOP
; Not chosen unless the user ticks it.
Section /o "Ouvrir les fichiers .txt avec Quorvelle" SectionTextFiles
    WriteRegStr SHCTX "Software\Classes\.txt" "" "${PROGID}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "OpensTextFiles" "1"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
!endif

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
!ifdef DESKTOP
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "Les programmes quorvelle.exe et quorvelle-cli.exe, le dictionnaire français, le manuel et une entrée dans le menu Démarrer."
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionTextFiles} "Un double-clic sur un fichier .txt l'ouvrira dans Quorvelle plutôt que dans le Bloc-notes. Sans cette case, Quorvelle est seulement proposé dans « Ouvrir avec »."
!else
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "Le programme en ligne de commande quorvelle-cli.exe, le dictionnaire français et le manuel."
!endif
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "OpensTextFiles"
    ${If} $0 == "1"
        ReadRegStr $1 SHCTX "Software\Classes\.txt" ""
        ${If} $1 == "${PROGID}"
            DeleteRegValue SHCTX "Software\Classes\.txt" ""
        ${EndIf}
    ${EndIf}
    DeleteRegValue SHCTX "Software\Classes\.txt\OpenWithProgids" "${PROGID}"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    Delete "$SMPROGRAMS\Quorvelle.lnk"
    ; What was installed, file by file, and the folders once empty: a folder the user chose
    ; may hold files of their own.
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\desinstaller.exe"
    RMDir "$INSTDIR"
SectionEnd
