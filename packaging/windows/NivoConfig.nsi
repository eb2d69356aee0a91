; The Windows installer: the program folder from build-windows/dist into Program Files, a Start
; menu entry, .par files opened by the program, and an uninstaller that removes exactly the files
; it installed. The user's settings (%APPDATA%) and commissioning record (%LOCALAPPDATA%) stay.
; Defines from packaging/windows/MakeInstaller.cmake: VERSION, FILES (install list),
; REMOVE (uninstall list), OUTFILE.
; A 64-bit installer for the 64-bit program (and for wine without its 32-bit part).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "NivoConfig ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\NivoConfig"
RequestExecutionLevel admin
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\NivoConfig"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
FunctionEnd

Section "NivoConfig"
    ; Program Files is for every user of the machine, so is the Start menu entry.
    SetShellVarContext all
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\NivoConfig.lnk" "$INSTDIR\NivoConfig.exe"
    ; .par opens in the program: "NivoConfig.exe <file>" loads the parameter file at start.
    WriteRegStr HKCR ".par" "" "NivoConfig.Parameters"
    WriteRegStr HKCR "NivoConfig.Parameters" "" "NivoConfig parameter file"
    WriteRegStr HKCR "NivoConfig.Parameters\DefaultIcon" "" "$INSTDIR\NivoConfig.exe,0"
    WriteRegStr HKCR "NivoConfig.Parameters\shell\open\command" "" '"$INSTDIR\NivoConfig.exe" "%1"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "NivoConfig"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Nivolantis"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    !include "${REMOVE}"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only an empty folder goes: anything the user put there stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\NivoConfig.lnk"
    ; The association goes only while it is still ours.
    ReadRegStr $0 HKCR ".par" ""
    StrCmp $0 "NivoConfig.Parameters" 0 +2
    DeleteRegKey HKCR ".par"
    DeleteRegKey HKCR "NivoConfig.Parameters"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
