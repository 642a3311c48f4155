; The installer of the window program: makensis -DPROGRAM_FOLDER=... -DVERSION=... -DOUTPUT=...
; (scripts/package-windows gives them). Installs for every user under Program Files, with a Start menu
; entry, an entry in Apps & features, and the program under "Open with" for .txt data files; .txt
; stays with the user's editor. The uninstaller removes all of that and leaves the user's preferences
; (HKCU\SOFTWARE\VORN\VORN001) alone.
; A 64-bit installer for the 64-bit program (it needs no 32-bit wine either).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define TITLE "LTミロタ展開図"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\LTMirota"
!define APP_KEY "Software\Classes\Applications\mirota.exe"

Name "${TITLE}"
OutFile "${OUTPUT}"
InstallDir "$PROGRAMFILES64\LTMirota"
BrandingText "${TITLE} ${VERSION}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${PROGRAM_FOLDER}/mirota.exe"
  File "${PROGRAM_FOLDER}/mirota-cli.exe"
  File "${PROGRAM_FOLDER}/Qt6Core.dll"
  File "${PROGRAM_FOLDER}/Qt6Gui.dll"
  File "${PROGRAM_FOLDER}/Qt6Widgets.dll"
  File "${PROGRAM_FOLDER}/Qt6Svg.dll"
  File "${PROGRAM_FOLDER}/Qt6SvgWidgets.dll"
  File "${PROGRAM_FOLDER}/Qt6PrintSupport.dll"
  File "${PROGRAM_FOLDER}/Qt6Network.dll"
  File "${PROGRAM_FOLDER}/libstdc++-6.dll"
  File "${PROGRAM_FOLDER}/libgcc_s_seh-1.dll"
  File "${PROGRAM_FOLDER}/libwinpthread-1.dll"
  File "${PROGRAM_FOLDER}/qt.conf"
  File "${PROGRAM_FOLDER}/vorn.dxf"
  SetOutPath "$INSTDIR\platforms"
  File "${PROGRAM_FOLDER}/platforms/qwindows.dll"
  SetOutPath "$INSTDIR\styles"
  File "${PROGRAM_FOLDER}/styles/qwindowsvistastyle.dll"
  SetOutPath "$INSTDIR\imageformats"
  File "${PROGRAM_FOLDER}/imageformats/qsvg.dll"
  SetOutPath "$INSTDIR\iconengines"
  File "${PROGRAM_FOLDER}/iconengines/qsvgicon.dll"
  SetOutPath "$INSTDIR\translations"
  File "${PROGRAM_FOLDER}/translations/qtbase_ja.qm"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\mirota.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "VORN"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mirota.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  ; "Open with" for data files: the program's own entry and a place in .txt's list, never .txt's default.
  WriteRegStr HKLM "${APP_KEY}" "FriendlyAppName" "${TITLE}"
  WriteRegStr HKLM "${APP_KEY}\shell\open\command" "" '"$INSTDIR\mirota.exe" "%1"'
  WriteRegStr HKLM "${APP_KEY}\SupportedTypes" ".txt" ""
  WriteRegStr HKLM "Software\Classes\.txt\OpenWithList\mirota.exe" "" ""
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  DeleteRegKey HKLM "Software\Classes\.txt\OpenWithList\mirota.exe"
  DeleteRegKey HKLM "${APP_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\iconengines"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\vorn.dxf"
  RMDir "$INSTDIR"
SectionEnd
