#!/usr/bin/env bash
# Fails when a .scr would not load on Windows XP: an import XP SP3 does not export, a DLL
# outside the system ones we link, or a PE subsystem version above 5.1 (i686) / 5.2 (x86_64).
#
# The allowed names come from MinGW-w64 itself, per architecture:
#  - every function the Windows headers the saver includes and the C runtime headers
#    declare at _WIN32_WINNT=WINVER=0x0501 and __MSVCRT_VERSION__=0x0700 (XP's
#    msvcrt.dll), listed by gcc -aux-info;
#  - every data import those headers declare (their __imp_ variables);
#  - what an empty program linked by the same compiler imports (the start-up code's
#    msvcrt entry points, such as __getmainargs, which no public header declares).
# msvcrt's 32-bit time functions are refused too: their range ends in January 2038.
# The headers guard post-XP functions by _WIN32_WINNT, so GetTickCount64 is left out.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 FILE.scr..." >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
system_dlls="advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll"
time32="time localtime gmtime mktime ctime _time32 _localtime32 _gmtime32 _mktime32 _ctime32"

allowed_names() {  # allowed_names ARCH -> sorted names on stdout
  local cc="$1-w64-mingw32-gcc-win32" src="$work/$1.c"
  printf '#include <%s>\n' windows.h commctrl.h shellapi.h shlobj.h assert.h ctype.h direct.h errno.h \
    fcntl.h float.h io.h locale.h malloc.h math.h process.h setjmp.h signal.h stdio.h stdlib.h \
    string.h sys/stat.h sys/timeb.h time.h wchar.h wctype.h > "$src"
  local defines=(-D_WIN32_WINNT=0x0501 -DWINVER=0x0501 -D__MSVCRT_VERSION__=0x0700)
  "$cc" "${defines[@]}" -fsyntax-only -aux-info "$work/$1.aux" -o /dev/null "$src"
  echo 'int main(void) { return 0; }' | "$cc" -x c - -static -o "$work/$1-empty.exe"
  {
    sed -nE 's/.*[ *]([A-Za-z_][A-Za-z0-9_]*) \(.*/\1/p' "$work/$1.aux"
    "$cc" "${defines[@]}" -E "$src" | grep -oE '\b(__imp_|_imp__)[A-Za-z0-9_]+' |
      sed -E 's/^(__imp_|_imp__)//'
    imports "$work/$1-empty.exe" | awk '{print $2}'
  } | sort -u
}

imports() {  # imports FILE -> "dll name" per imported function
  # Import lines look like "<hint-vma> <hint> <name>", after a "DLL Name: X" line.
  x86_64-w64-mingw32-objdump -p "$1" |
    awk '/^The / {on = /^The Import Tables/} on && /DLL Name:/ {dll = tolower($3)}
         on && dll && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print dll, $3}'
}

check() {  # check FILE.scr -> prints what is wrong, returns 1 if anything is
  local file="$1" dump="$work/dump" arch limit
  x86_64-w64-mingw32-objdump -p "$file" > "$dump"
  case "$(sed -nE 's/.*file format (pei-[a-z0-9-]+).*/\1/p' "$dump")" in
    pei-i386) arch=i686 limit=501 ;;
    pei-x86-64) arch=x86_64 limit=502 ;;
    *) echo "$file: not a Windows PE file for i686 or x86_64"; return 1 ;;
  esac
  [ -f "$work/$arch.allowed" ] || allowed_names "$arch" > "$work/$arch.allowed"
  imports "$file" > "$work/imports"

  local bad=0 dll name
  while read -r dll name; do
    if [[ " $system_dlls " != *" $dll "* ]]; then
      echo "$file: $dll!$name: $dll is not a system DLL the saver may use"; bad=1
    elif [ "$dll" = msvcrt.dll ] && [[ " $time32 " == *" $name "* ]]; then
      echo "$file: $dll!$name keeps time in 32 bits, which ends in January 2038"; bad=1
    elif ! grep -qxF "$name" "$work/$arch.allowed"; then
      echo "$file: $dll!$name is not in Windows XP"; bad=1
    fi
  done < "$work/imports"
  local major minor
  major=$(awk '/^MajorSubsystemVersion/ {print $2}' "$dump")
  minor=$(awk '/^MinorSubsystemVersion/ {print $2}' "$dump")
  if [ $((major * 100 + minor)) -gt "$limit" ]; then
    echo "$file: subsystem version $major.$minor is above XP's $((limit / 100)).$((limit % 100))"; bad=1
  fi
  [ -s "$work/imports" ] || { echo "$file: no import table read"; bad=1; }
  echo "$file: $arch, $(wc -l < "$work/imports") imports, subsystem $major.$minor"
  return "$bad"
}

failed=0
for file in "$@"; do check "$file" || failed=1; done
[ "$failed" -eq 0 ] && echo "XP imports: all fine" || echo "XP imports: FAILED"
exit "$failed"
