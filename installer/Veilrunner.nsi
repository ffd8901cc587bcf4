; The per-user installer. It needs no elevation: the program keeps config.cfg and myList.spls
; beside itself, so it goes where the user may write, and every key it writes is under HKCU.
; Built by installer/CMakeLists.txt, which defines VERSION, PUBLISHER, PRODUCT_NAME, COPYRIGHT,
; PROGRAM, PLAYLIST_SAVER, CLOSE_PLAYERS, DEMO_SAVERS, ICON and OUTFILE; SIGN when the build signs:
; the command that signs the file it is given as %1.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define APP_EXE "Veilrunner.exe"
!define PLAYLIST_SAVER_FILE "Veilrunner.scr"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veilrunner"
!define CLASSES "Software\Classes"
!define PLAYLIST_CLASS "Veilrunner.Playlist"
!define WALLPAPER_CLASS "Veilrunner.WallpaperPlaylist"
!define START_MENU_LINK "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
; The names the playlist window's "Add to autostart folder!" gives its shortcuts.
!define AUTOSTART_LINKS "Desktop Wallpaper Mode Playlist - (*).lnk"
!define SHCNE_ASSOCCHANGED 0x08000000
!define DESKTOP_KEY "Control Panel\Desktop"

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Veilrunner"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_NAME} ${VERSION}"
!ifdef SIGN
  ; The uninstaller is signed before it goes into the installer, the installer once it is written.
  !uninstfinalize '${SIGN}' = 0
  !finalize '${SIGN}' = 0
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; A running player keeps its files in use. Each player of this folder is asked to close as its
; bar's close does, so it saves what the user just changed; what still runs after a while is
; ended. Players started from other folders keep running.
!macro CloseRunningPlayers
  InitPluginsDir
  File "/oname=$PLUGINSDIR\ClosePlayers.exe" "${CLOSE_PLAYERS}"
  ExecWait '"$PLUGINSDIR\ClosePlayers.exe" "$INSTDIR"'
!macroend

; The system screensaver must not stay a file that is about to go. The display control panel
; names it by its short path, so the folder is compared in that form as well; run while the
; folder still exists, which the short form needs.
!macro ClearSystemScreensaverOfThisFolder
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 != ""
    ${un.GetParent} $0 $1
    GetFullPathName /SHORT $2 $1
    ${IfThen} $2 == "" ${|} StrCpy $2 $1 ${|}
    GetFullPathName /SHORT $3 $INSTDIR
    ${IfThen} $3 == "" ${|} StrCpy $3 $INSTDIR ${|}
    ${If} $2 == $3
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
  ${EndIf}
!macroend

!macro TellShellAboutTypes
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
!macroend

!macro RegisterClass CLASS DESCRIPTION
  WriteRegStr HKCU "${CLASSES}\${CLASS}" "" "${DESCRIPTION}"
  WriteRegStr HKCU "${CLASSES}\${CLASS}\DefaultIcon" "" "$INSTDIR\${APP_EXE},0"
  WriteRegStr HKCU "${CLASSES}\${CLASS}\shell\open\command" "" '"$INSTDIR\${APP_EXE}" "%1"'
!macroend

; An extension another program has taken over since is left to it.
!macro UnregisterExtension EXTENSION CLASS
  ReadRegStr $0 HKCU "${CLASSES}\${EXTENSION}" ""
  ${If} $0 == "${CLASS}"
    DeleteRegValue HKCU "${CLASSES}\${EXTENSION}" ""
  ${EndIf}
  DeleteRegKey /ifempty HKCU "${CLASSES}\${EXTENSION}"
!macroend

Section "Install"
  SetShellVarContext current
  !insertmacro CloseRunningPlayers

  SetOutPath "$INSTDIR"
  File "${PROGRAM}"
  File "${PLAYLIST_SAVER}"
  !macro DemoSaver NAME FILE
    File "${FILE}"
  !macroend
  !include "${DEMO_SAVERS}"
  !macroundef DemoSaver

  ; A first start plays the demo savers. Once the player has saved its playlist or settings
  ; here, they are the user's: an upgrade never writes them.
  ${IfNot} ${FileExists} "$INSTDIR\myList.spls"
  ${AndIfNot} ${FileExists} "$INSTDIR\config.cfg"
    FileOpen $1 "$INSTDIR\myList.spls" w
    !macro DemoSaver NAME FILE
      FileWrite $1 "$INSTDIR\${NAME}.scr$\r$\n"
    !macroend
    !include "${DEMO_SAVERS}"
    !macroundef DemoSaver
    FileClose $1
  ${EndIf}

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "${START_MENU_LINK}" "$INSTDIR\${APP_EXE}" "" "$INSTDIR\${APP_EXE}" 0

  ; A ".scfg" file opens in desktop wallpaper mode, a playlist in the player; both take the
  ; file as the first argument.
  !insertmacro RegisterClass "${WALLPAPER_CLASS}" "Desktop Wallpaper Mode Playlist"
  !insertmacro RegisterClass "${PLAYLIST_CLASS}" "Screensaver Playlist"
  WriteRegStr HKCU "${CLASSES}\.scfg" "" "${WALLPAPER_CLASS}"
  WriteRegStr HKCU "${CLASSES}\.spls" "" "${PLAYLIST_CLASS}"
  WriteRegStr HKCU "${CLASSES}\.spl" "" "${PLAYLIST_CLASS}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $2 $3
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  !insertmacro TellShellAboutTypes
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro CloseRunningPlayers
  !insertmacro ClearSystemScreensaverOfThisFolder

  Delete "$INSTDIR\${APP_EXE}"
  Delete "$INSTDIR\${PLAYLIST_SAVER_FILE}"
  !macro DemoSaver NAME FILE
    Delete "$INSTDIR\${NAME}.scr"
  !macroend
  !include "${DEMO_SAVERS}"
  !macroundef DemoSaver
  Delete "$INSTDIR\myList.spls"
  Delete "$INSTDIR\config.cfg"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Not recursive: playlists the user saved in this folder keep it.
  RMDir "$INSTDIR"
  Delete "${START_MENU_LINK}"

  ; Shortcuts that would start a player that is gone. Silent mode takes them away too.
  FindFirst $0 $1 "$SMSTARTUP\${AUTOSTART_LINKS}"
  ${If} $1 != ""
    MessageBox MB_YESNO|MB_ICONQUESTION "Also remove the shortcuts in your Startup folder that start desktop wallpaper mode playlists at logon?" /SD IDYES IDNO keepAutostart
    ${DoUntil} $1 == ""
      Delete "$SMSTARTUP\$1"
      FindNext $0 $1
    ${Loop}
  keepAutostart:
  ${EndIf}
  FindClose $0

  !insertmacro UnregisterExtension ".scfg" "${WALLPAPER_CLASS}"
  !insertmacro UnregisterExtension ".spls" "${PLAYLIST_CLASS}"
  !insertmacro UnregisterExtension ".spl" "${PLAYLIST_CLASS}"
  DeleteRegKey HKCU "${CLASSES}\${WALLPAPER_CLASS}"
  DeleteRegKey HKCU "${CLASSES}\${PLAYLIST_CLASS}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  !insertmacro TellShellAboutTypes
SectionEnd
