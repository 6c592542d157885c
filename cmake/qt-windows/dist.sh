#!/usr/bin/env bash
# Packs the Windows build (BUILD_DIR, the windows-gui preset's) into OUT_DIR/brinkit-windows-VERSION.zip:
# the ten programs and brinkit.exe, the Qt and compiler DLLs they load, Qt's plugins in the
# folders Qt looks in beside the programs, the licence and the README for Windows. The English
# catalogue is built into the programs. Every DLL a packed file names must be packed too or be
# one of Windows' own: a missing one fails the packing, not the user's first start.
#   dist.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
bin="$build/bin"
programs=(finsplit finwright fernwright gritwright gritpress orbisk netkeeper netkeeper2 scalepaint pelletry brinkit)
dlls=(Qt6Core Qt6Gui Qt6Widgets libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
plugins=(platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle imageformats/qgif imageformats/qico)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="brinkit-windows-${version:-snapshot}"
strip=x86_64-w64-mingw32-strip
objdump=x86_64-w64-mingw32-objdump

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
top="$stage/$name"
mkdir -p "$top"
for program in "${programs[@]}"; do
  cp "$bin/$program.exe" "$top/"
done
for dll in "${dlls[@]}"; do
  cp "$bin/$dll.dll" "$top/"
done
for plugin in "${plugins[@]}"; do
  mkdir -p "$top/$(dirname "$plugin")"
  cp "$bin/$plugin.dll" "$top/$plugin.dll"
done
# The debugging information stays in the build; the download carries the code.
find "$top" -name '*.exe' -o -name '*.dll' | while read -r f; do $strip --strip-unneeded "$f"; done
# Windows' editors read either line ending; CR LF is what its users expect in a .txt.
sed 's/$/\r/' "$source/docs/README-windows.txt" >"$top/README.txt"
sed 's/$/\r/' "$source/LICENSE" >"$top/LICENSE.txt"

# Windows' own DLLs (and the API sets that stand for them) need not come along.
system_dll='^(kernel32|user32|gdi32|gdiplus|shell32|shlwapi|ole32|oleaut32|advapi32|comdlg32|comctl32|winmm|ws2_32|version|imm32|uxtheme|dwmapi|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|setupapi|winspool\.drv|netapi32|userenv|mpr|authz|wtsapi32|shcore|crypt32|bcrypt|ntdll|msvcrt|uiautomationcore|api-ms-win-.*)\.dll$'
missing=0
while read -r f; do
  while read -r dll; do
    lower=$(echo "$dll" | tr 'A-Z' 'a-z')
    [[ "$lower" =~ $system_dll ]] && continue
    if [ ! -e "$top/$dll" ]; then
      echo "dist: ${f#"$top"/} needs $dll, which is not packed" >&2
      missing=1
    fi
  done < <($objdump -p "$f" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$top" -name '*.exe' -o -name '*.dll')
[ "$missing" -eq 0 ] || exit 1

mkdir -p "$out"
zip_file="$(cd "$out" && pwd)/$name.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -9 -r "$zip_file" "$name")
echo "$zip_file ($(du -k "$zip_file" | cut -f1) KiB)"
