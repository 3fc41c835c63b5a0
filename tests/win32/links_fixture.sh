#!/bin/sh
# Lays the link tests' folders, one per test, with symbolic links made on the host: Wine
# follows them as reparse points but cannot make any itself.
set -e
root=$1
shift
rm -rf "$root"
for test in "$@"; do
  d=$root/$test
  mkdir -p "$d/game/Simpatch" "$d/game/Multi" "$d/outside"
  echo "outside archive" > "$d/outside/rb.vol"
  echo "multi archive" > "$d/game/Multi/rbmulti.vol"
  echo "here" > "$d/game/Simpatch/here.vol"
  ln -s ../../outside "$d/game/Simpatch/Out"
  ln -s ../../outside/rb.vol "$d/game/Simpatch/linked.vol"
  ln -s ../Multi "$d/game/Simpatch/InMulti"
  ln -s ../Multi/rbmulti.vol "$d/game/Simpatch/multi.vol"
done
