; The Windows installer: Vantrel's programs into Program Files, a Start menu folder, and an
; entry in Add/Remove Programs whose uninstaller takes away exactly what was installed.
; Made by scripts/package-windows.sh, which passes
;   VERSION      the project version (0.1)
;   VERSION4     the same as four numbers (0.1.0.0)
;   STAGE        the folder holding the files to install
;   ICON         the programs' .ico
;   OUTFILE      where the installer goes
; and defines HAVE_WINDOW when vantrel.exe is among the files.
; A 64-bit installer for 64-bit programs: it sees the 64-bit Program Files and registry as
; they are, and a 32-bit Windows, which could not run the programs, refuses to start it. It
; also runs under a Wine that has no 32-bit part, which is how the package is checked.
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh

!define PRODUCT "Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define START_MENU "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; Program Files and the all-users Start menu need an administrator.
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Free software under the GNU GPL, version 3 or later: see LICENSE.txt"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Installed for every user of the machine, so the Start menu entries are the all-users ones.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${STAGE}\vantrel-cli.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\NOTICE.txt"
  File "${STAGE}\LICENSE.txt"
!ifdef HAVE_WINDOW
  File "${STAGE}\vantrel.exe"
!endif
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${START_MENU}"
!ifdef HAVE_WINDOW
  ; The entry starts the window in $INSTDIR (the SetOutPath above), which is no game folder:
  ; the window asks for the game's working folder there and remembers it for next time.
  CreateShortcut "${START_MENU}\${PRODUCT}.lnk" "$INSTDIR\vantrel.exe"
!else
  ; Only the command line is there yet: the entry opens a command prompt in its folder.
  CreateShortcut "${START_MENU}\${PRODUCT}.lnk" "$SYSDIR\cmd.exe" '/K vantrel-cli.exe --help' "$INSTDIR\vantrel-cli.exe"
!endif
  CreateShortcut "${START_MENU}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
!ifdef HAVE_WINDOW
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantrel.exe,0"
!else
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantrel-cli.exe,0"
!endif
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Each file by name, never the folder with all in it: whatever the user put beside the
; programs (their own notes, a copy of a patch) stays, and so does the folder then.
Section "Uninstall"
  Delete "$INSTDIR\vantrel-cli.exe"
  Delete "$INSTDIR\vantrel.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\NOTICE.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${START_MENU}\${PRODUCT}.lnk"
  Delete "${START_MENU}\Uninstall ${PRODUCT}.lnk"
  RMDir "${START_MENU}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
