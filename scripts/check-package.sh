#!/usr/bin/env bash
# Checks what a player gets from the build in BUILD (default: build): the install tree holds
# the three programs, the menu entry, the metainfo, the icon, the man pages, the licence and
# the changelog and nothing else, and both validators pass on the installed files; the .deb
# that CPack makes of it holds the same files, passes lintian and depends on the libraries
# the programs link and on libarchive; the programs
# extracted from it report the project's version, list the sample game's patches, run a
# job, which they find the batch interpreter beside them for, and add a patch from an archive.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }
same() {  # what, expected, actual
  [ "$2" = "$3" ] || fail "$1 differs:"$'\n'"$(diff <(echo "$2") <(echo "$3"))"
}

expected=$(LC_ALL=C sort <<'EOF_LIST'
usr/bin/vantrel
usr/bin/vantrel-cli
usr/bin/vantrel-cmd
usr/share/applications/org.vantrel.Vantrel.desktop
usr/share/icons/hicolor/256x256/apps/org.vantrel.Vantrel.png
usr/share/icons/hicolor/48x48/apps/org.vantrel.Vantrel.png
usr/share/icons/hicolor/scalable/apps/org.vantrel.Vantrel.svg
usr/share/doc/vantrel/changelog.gz
usr/share/doc/vantrel/copyright
usr/share/man/man1/vantrel-cli.1.gz
usr/share/man/man1/vantrel-cmd.1.gz
usr/share/man/man1/vantrel.1.gz
usr/share/metainfo/org.vantrel.Vantrel.metainfo.xml
EOF_LIST
)

echo "== install tree"
DESTDIR="$root/install" cmake --install "$build" --prefix /usr >/dev/null
same "install tree" "$expected" "$(cd "$root/install" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
desktop-file-validate "$root/install/usr/share/applications/org.vantrel.Vantrel.desktop"
appstreamcli validate --no-net "$root/install/usr/share/metainfo/org.vantrel.Vantrel.metainfo.xml"

echo "== .deb"
(cd "$build" && cpack -G DEB >"$root/cpack.log" 2>&1) || { cat "$root/cpack.log"; fail "cpack failed"; }
deb="$build/vantrel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack made no $deb"
same ".deb file list" "$expected" "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort)"
# Debian's own checker, as a maintainer would run it: no error and no warning.
lintian --fail-on error,warning "$deb" || fail "lintian found faults in $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "the .deb does not depend on Qt and libc"
# Loaded only when an archive is read, so no library the programs link names it.
[[ $depends == *libarchive13* ]] || fail "the .deb does not depend on libarchive"

echo "== programs from the .deb"
dpkg-deb -x "$deb" "$root/deb"
bin="$root/deb/usr/bin"
for program in vantrel vantrel-cli vantrel-cmd; do
  # The window program answers without a display.
  same "$program --version" "$program $version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/$program" --version)"
done
"$build/bin/vantrel-samplegame" "$root/game"
same "vantrel-cli patches" $'0099 SpringMaps\n0311 Camel Views\n031F FE2b Fighter\n060E Big Tank' \
  "$("$bin/vantrel-cli" -C "$root/game/Simpatch" patches)"
VANTREL_TERMINAL=none "$bin/vantrel-cli" -C "$root/game/Simpatch" activate "FE2b Fighter" 0305 \
  </dev/null >"$root/job.log" 2>&1 || { cat "$root/job.log"; fail "the job did not run"; }
same "vantrel-cli active" "0305_FE2b Fighter" "$("$bin/vantrel-cli" -C "$root/game/Simpatch" active)"
tar -C "$root/game/Simpatch" -cf "$root/Tank.tar" "Big Tank"
same "vantrel-cli add" "vantrel-cli: Tank 2 (060E) is added from Tank.tar." \
  "$("$bin/vantrel-cli" -C "$root/game/Simpatch" add "$root/Tank.tar" --name "Tank 2" 2>&1 >/dev/null)"
echo "check-package: $deb is complete and runs"
