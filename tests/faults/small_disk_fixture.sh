#!/bin/sh
# small_disk_fixture.sh mount|unmount DIR: the Windows fault tests' small disk, a tmpfs of
# 32 MiB mounted on the host at DIR. Mounting needs root; where it is refused the folder
# stays on the big disk and the tests that need it skip, saying why.
set -e
action=$1
dir=$2
mkdir -p "$dir"
if mountpoint -q "$dir"; then umount "$dir"; fi
if [ "$action" = mount ]; then
  mount -t tmpfs -o size=32m tmpfs "$dir" 2>/dev/null || echo "small disk not mounted at $dir: mounting needs root"
fi
