#!/usr/bin/env bash
# check-windows-package.sh DIR: checks what scripts/package-windows.sh made in DIR/package.
# The zip must hold exactly the programs, README.txt, LICENSE.txt and NOTICE.txt, texts with
# CR LF, the notice naming each library linked in, and its program must run. The installer runs silently under Wine (in the build's private
# prefix): the files must land in Program Files, the Start menu entries and the Add/Remove
# Programs entry must be there, and the uninstaller must take all of it away again, but
# leave a file the user put into the program's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:?usage: check-windows-package.sh DIR}" && pwd)
out="$dir/package"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
name="vantrel-$version-windows-x64"
zip="$out/$name.zip"
setup="$out/vantrel-$version-setup.exe"
programs=(vantrel-cli.exe)
shown=vantrel-cli.exe  # the program whose icon Add/Remove Programs shows
if [ -f "$out/$name/vantrel.exe" ]; then
  programs+=(vantrel.exe)
  shown=vantrel.exe
fi

fail() {
  echo "check-windows-package.sh: $*" >&2
  exit 1
}
# Both lists sorted, one name a line; prints the difference when they differ.
same_names() {
  local what=$1 want=$2 got=$3
  diff <(printf '%s\n' "$want" | sort) <(printf '%s\n' "$got" | sort) >&2 || fail "$what differs from what it should hold (above)"
}

export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# One server for the whole check, as for the tests; one that is up already is left up.
own_server=false
wineserver -p 2>/dev/null && own_server=true  # 2 when a server for this prefix is up already
unpacked=$(mktemp -d)
cleanup() {
  rm -rf "$unpacked"
  if "$own_server"; then wineserver -k || true; fi
}
trap cleanup EXIT

# --- The zip.
want=$(printf '%s\n' "$name/" "$name/README.txt" "$name/LICENSE.txt" "$name/NOTICE.txt" "${programs[@]/#/$name/}")
same_names "the zip" "$want" "$(unzip -Z1 "$zip")"
for text in README.txt LICENSE.txt NOTICE.txt; do
  lines=$(unzip -p "$zip" "$name/$text" | wc -l)
  crlf=$(unzip -p "$zip" "$name/$text" | grep -c $'\r$' || true)
  [ "$lines" -gt 0 ] && [ "$lines" -eq "$crlf" ] || fail "$text in the zip has $crlf of $lines lines ended by CR LF"
done
notice=$(unzip -p "$zip" "$name/NOTICE.txt")
for library in libjpeg-turbo libarchive liblzma zlib MinGW-w64 "GCC runtime"; do
  grep -q "^==== .*$library" <<<"$notice" || fail "NOTICE.txt gives no terms for $library"
done
grep -q "GNU GENERAL PUBLIC LICENSE" <<<"$(unzip -p "$zip" "$name/LICENSE.txt")" || fail "LICENSE.txt is not the GPL's text"
unzip -q "$zip" -d "$unpacked"
said=$(wine "$unpacked/$name/vantrel-cli.exe" --version | tr -d '\r')
[ "$said" = "vantrel-cli $version" ] || fail "the zip's vantrel-cli.exe says '$said' to --version"

# --- The installer.
drive="$WINEPREFIX/drive_c"
installed="$drive/Program Files/Vantrel"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrel"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
registered() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
# What a run that stopped half way left behind: the prefix is ours alone.
rm -rf "$installed" "$menu"
wine reg delete "$key" /f >/dev/null 2>&1 || true

# The uninstaller copies itself away and returns at once, so its end is waited for: its
# last step removes the Add/Remove Programs entry.
uninstall() {
  wine "C:\\Program Files\\Vantrel\\uninstall.exe" /S
  for _ in $(seq 1 120); do
    [ -z "$(registered DisplayName)" ] && [ ! -e "$installed/uninstall.exe" ] && return 0
    sleep 0.5
  done
  fail "the uninstaller did not finish within 60 s"
}

install() {
  wine "$setup" /S
  same_names "Program Files\\Vantrel" "$(printf '%s\n' README.txt LICENSE.txt NOTICE.txt uninstall.exe "${programs[@]}")" \
    "$(ls -1 "$installed")"
  for program in "${programs[@]}"; do
    cmp -s "$installed/$program" "$out/$name/$program" || fail "the installed $program is not the packaged one"
  done
  same_names "the Start menu folder" "$(printf '%s\n' Vantrel.lnk 'Uninstall Vantrel.lnk')" "$(ls -1 "$menu")"
  [ "$(registered DisplayName)" = "Vantrel" ] || fail "Add/Remove Programs names it '$(registered DisplayName)'"
  [ "$(registered DisplayVersion)" = "$version" ] || fail "Add/Remove Programs gives version '$(registered DisplayVersion)'"
  [ "$(registered UninstallString)" = '"C:\Program Files\Vantrel\uninstall.exe"' ] ||
    fail "the uninstaller is registered as '$(registered UninstallString)'"
  [ "$(registered DisplayIcon)" = "C:\\Program Files\\Vantrel\\$shown,0" ] ||
    fail "Add/Remove Programs shows the icon of '$(registered DisplayIcon)'"
  [ "$(registered QuietUninstallString)" = '"C:\Program Files\Vantrel\uninstall.exe" /S' ] ||
    fail "the silent uninstaller is registered as '$(registered QuietUninstallString)'"
  said=$(wine "C:\\Program Files\\Vantrel\\vantrel-cli.exe" --version | tr -d '\r')
  [ "$said" = "vantrel-cli $version" ] || fail "the installed vantrel-cli.exe says '$said' to --version"
}

install
uninstall
[ ! -e "$installed" ] || fail "the uninstaller left $(ls -A "$installed" | tr '\n' ' ')in Program Files\\Vantrel"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu folder"

# A file of the user's in the program's folder outlives the uninstaller, and the folder with it.
install
echo "mine" >"$installed/my notes.txt"
uninstall
same_names "Program Files\\Vantrel after uninstalling" "my notes.txt" "$(ls -1 "$installed")"
rm -rf "$installed"
echo "check-windows-package.sh: $(basename "$zip") and $(basename "$setup") install, run and uninstall"
