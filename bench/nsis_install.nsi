; The installer's work done by an NSIS installer, for comparison: the same four
; folders, the same four files stored uncompressed, the same two shortcuts.
; The install section times itself with the performance counter and writes
; the elapsed microseconds to $TEMP\nsis-install-us.txt.
Unicode true
Target ${TARGET}
SetCompress off
RequestExecutionLevel user
SilentInstall silent
OutFile "${OUTFILE}"
Name "Tavrin"
InstallDir "$TEMP\nsis-bench"

Section "Install"
  System::Call 'kernel32::QueryPerformanceFrequency(*l .r8)'
  System::Call 'kernel32::QueryPerformanceCounter(*l .r9)'

  CreateDirectory "$INSTDIR\Tavrin"
  CreateDirectory "$INSTDIR\Tavrin\pz"
  CreateDirectory "$INSTDIR\Tavrin\pz\cxpz"
  CreateDirectory "$INSTDIR\Tavrin\pz\exe"
  SetOutPath "$INSTDIR\Tavrin\pz\exe"
  File "${PAYLOAD}/narvel.exe"
  File "${PAYLOAD}/pelgar.exe"
  SetOutPath "$INSTDIR\Tavrin"
  File "${PAYLOAD}/Tavrin.exe"
  SetOutPath "$INSTDIR\Tavrin\pz\exe"
  File "${PAYLOAD}/dosk.exe"
  CreateShortcut "$DESKTOP\TavrinNsis.lnk" "$INSTDIR\Tavrin\Tavrin.exe"
  CreateDirectory "$SMPROGRAMS\..\TavrinNsis"
  CreateShortcut "$SMPROGRAMS\..\TavrinNsis\Tavrin.lnk" "$INSTDIR\Tavrin\Tavrin.exe"

  System::Call 'kernel32::QueryPerformanceCounter(*l .r7)'
  System::Int64Op $7 - $9
  Pop $6
  System::Int64Op $6 * 1000000
  Pop $6
  System::Int64Op $6 / $8
  Pop $6
  FileOpen $5 "$TEMP\nsis-install-us.txt" w
  FileWrite $5 "$6"
  FileClose $5
SectionEnd
