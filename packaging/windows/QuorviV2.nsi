# Installer of the Windows edition, built with NSIS (makensis) on Linux:
#   makensis -DPROGRAM=build/windows/bin/QuorviV2.exe -DOUTFILE=QuorviV2-2.0.0.4-setup.exe \
#            packaging/windows/QuorviV2.nsi
# makensis works in this folder: give PROGRAM and OUTFILE as absolute paths.
# ARCH=x64 makes a 64-bit installer for a 64-bit build of the program (the product is
# the 32-bit one); scripts/make-installer sets it from the program's PE machine type.
Unicode true

!ifndef PROGRAM | OUTFILE
  !error "Usage: makensis -DPROGRAM=<QuorviV2.exe> -DOUTFILE=<setup.exe> QuorviV2.nsi"
!endif
!if ! /FileExists "${PROGRAM}"
  !error "PROGRAM ${PROGRAM} does not exist (a relative path counts from packaging/windows)"
!endif
!ifndef ARCH
  !define ARCH x86
!endif

!define PRODUCT "QuorviV2"
!define VERSION "2.0.0.4"
!define PUBLISHER "Sorbeno Analytik GmbH"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

# A 32-bit program belongs in the 32-bit Program Files ("Program Files (x86)" on 64-bit
# Windows), where a 32-bit installer's $PROGRAMFILES points.
!if "${ARCH}" == "x64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else if "${ARCH}" == "x86"
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES"
!else
  !error "ARCH must be x86 or x64, not ${ARCH}"
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
# An update goes where the installed version is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"

!define MUI_ICON "QuorviV2.ico"
!define MUI_UNICON "QuorviV2.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\QuorviV2.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${PUBLISHER}"

Section "${PRODUCT}"
  # The shortcut is for every user, as the program is installed for every user.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=QuorviV2.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\QuorviV2.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\QuorviV2.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\QuorviV2.exe"
  Delete "$INSTDIR\Uninstall.exe"
  # Not /r: files a user put there stay, and so does the folder then.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
