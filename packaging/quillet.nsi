; Installer of Quillet, built on Linux with NSIS 3 (makensis):
;   makensis -DVERSION=<version, 9.87> -DVERSION_FIELDS=<its four numbers, 9.8.7.0>
;            -DQUILLET_EXE=<path of quillet.exe> -DBOOKMARKS_EXE=<path of quillet-bookmarks.exe>
;            -DOUT_FILE=<path of the setup .exe> [-DX64] quillet.nsi
; -DX64 makes a 64-bit installer of the 64-bit programs, for machines that run no 32-bit
; programs (they test the install there); the product is the 32-bit one.
; packaging/CMakeLists.txt passes the project's version. The installer records the times of
; the programs and installs the files with them: the same files with the same times give the
; same installer, byte for byte.
;
; Installs quillet.exe into "<Program Files>\Brelmont\myQuillet\" (the 32-bit Program Files
; folder; the 64-bit one for the 64-bit programs), with quillet-bookmarks.exe beside it, which turns a browser's bookmark export into a
; list and back. From there the program keeps its list in "<ProgramData>\Brelmont\myQuillet\"
; instead of its own folder. The program never creates that folder, so the installer does and lets
; ordinary users change the list in it. Uninstalling removes only what was installed: the
; list file, and with it the data folder, stays.
;
; Silent: "setup.exe /S" installs, "uninstall.exe /S" uninstalls.

!ifdef X64
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else
  Unicode true
  !define PROGRAM_FILES "$PROGRAMFILES32"
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestSupportedOS all

!ifndef VERSION | VERSION_FIELDS
  !error "Define VERSION and VERSION_FIELDS: the version as written, and as four numbers"
!endif
!ifndef QUILLET_EXE | BOOKMARKS_EXE
  !error "Define QUILLET_EXE and BOOKMARKS_EXE: the quillet.exe and quillet-bookmarks.exe to install"
!endif
!ifndef OUT_FILE
  !error "Define OUT_FILE: the installer to write"
!endif

!define PUBLISHER "Brelmont"
!define PROGRAM_CAPTION "Quillet - ver ${VERSION}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelmont myQuillet"
; Valid only after SetShellVarContext all, when $APPDATA names the common application-data
; folder (ProgramData).
!define DATA_DIR "$APPDATA\Brelmont\myQuillet"
; Well-known SID of the local group Users.
!define USERS_SID "*S-1-5-32-545"

Name "Quillet ${VERSION}"
OutFile "${OUT_FILE}"
; The program recognises only this folder as its installation folder, so it is not offered
; for change (see .onInit).
InstallDir "${PROGRAM_FILES}\Brelmont\myQuillet"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_FIELDS}"
VIAddVersionKey /LANG=1033 "ProductName" "Quillet"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillet ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install Quillet ${VERSION} for all users of this computer.$\r$\n$\r$\n\
Your list of websites is kept in the file myQuillet.txt in the folder ProgramData\Brelmont\myQuillet, \
where every user can change it. Uninstalling Quillet leaves that file in place.$\r$\n$\r$\n\
Click Install to start the installation."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Waits while Quillet's main dialog is open: its program file cannot be replaced or deleted
; while it runs. Asks the user to close it; a silent run gives up at once.
!macro WaitUntilQuilletClosed UN
  Function ${UN}WaitUntilQuilletClosed
    ${Do}
      System::Call 'user32::FindWindowW(p 0, w "${PROGRAM_CAPTION}") p .r0'
      ${If} $0 = 0
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Quillet is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro WaitUntilQuilletClosed ""
!insertmacro WaitUntilQuilletClosed "un."

Function .onInit
  SetShellVarContext all
  ; Also overrides /D=: from any other folder the program would keep its list next to
  ; itself, where ordinary users cannot write.
  StrCpy $INSTDIR "${PROGRAM_FILES}\Brelmont\myQuillet"
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Installing Quillet needs administrator rights." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
  Call WaitUntilQuilletClosed
FunctionEnd

Function GrantUsersModifyOnDataDir
  ; (OI)(CI)M: modify rights for Users, inherited by the list file and anything else created
  ; in the folder, so that every user of the computer can save the shared list.
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "${DATA_DIR}" /grant ${USERS_SID}:(OI)(CI)M'
  Pop $0
  ${If} $0 != 0
    DetailPrint "icacls ended with $0"
    MessageBox MB_OK|MB_ICONEXCLAMATION \
      "Users could not be given the right to change files in ${DATA_DIR}.$\r$\n\
Only administrators may be able to save the website list." /SD IDOK
  ${EndIf}
FunctionEnd

Function WriteUninstallEntry
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillet.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

Section "Quillet" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=quillet.exe" "${QUILLET_EXE}"
  File "/oname=quillet-bookmarks.exe" "${BOOKMARKS_EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${DATA_DIR}"
  Call GrantUsersModifyOnDataDir

  CreateShortcut "$SMPROGRAMS\Quillet.lnk" "$INSTDIR\quillet.exe" "" "$INSTDIR\quillet.exe" 0 \
    SW_SHOWNORMAL "" "Your list of websites"
  Call WriteUninstallEntry
SectionEnd

Function un.onInit
  SetShellVarContext all
  Call un.WaitUntilQuilletClosed
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Quillet.lnk"
  Delete "$INSTDIR\quillet.exe"
  Delete "$INSTDIR\quillet-bookmarks.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; RMDir without /r removes a folder only when it is empty: nothing that the installer did not
  ; put there is ever deleted, and a saved list keeps its folder.
  RMDir "$INSTDIR"
  RMDir "${PROGRAM_FILES}\Brelmont"
  RMDir "${DATA_DIR}"
  RMDir "$APPDATA\Brelmont"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
