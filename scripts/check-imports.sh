#!/bin/sh
# Fails when a Windows binary imports a DLL that is neither part of Windows nor shipped with
# the program: the release folder must run on a plain Windows machine with QuickBooks.
#   check-imports.sh OBJDUMP FILE...
set -eu
objdump=$1
shift
# Windows' own DLLs the program may use, and the engine DLL that travels beside the exe.
allowed="kernel32.dll user32.dll gdi32.dll gdiplus.dll msimg32.dll ole32.dll oleaut32.dll
  shell32.dll shlwapi.dll advapi32.dll winhttp.dll crypt32.dll comctl32.dll comdlg32.dll
  msvcrt.dll ws2_32.dll imm32.dll uxtheme.dll version.dll htmlengine.dll"
status=0
for file in "$@"; do
  imports=$("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || { echo "$file: no imports found (not a PE file?)"; status=1; continue; }
  for dll in $imports; do
    case " $(echo $allowed) " in
      *" $dll "*) ;;
      *) echo "$file imports $dll, which a Windows machine does not have"; status=1 ;;
    esac
  done
done
exit $status
