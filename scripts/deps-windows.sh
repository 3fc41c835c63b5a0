#!/usr/bin/env bash
# Installs what cross-building Vantrel for Windows and testing it under Wine needs on Debian 12.
set -euo pipefail
# The posix flavour of mingw-w64 is the one whose libstdc++ has std::thread and std::mutex;
# googletest brings the source in /usr/src/googletest that the Windows build compiles with the
# cross compiler; wine64 runs the 64-bit test programs, and wine provides the wine command
# that ctest calls.
packages=(cmake make g++-mingw-w64-x86-64-posix googletest wine wine64)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"
