#!/usr/bin/env bash
# Runs the Wine test driver on a fresh scratch folder:
#   run-driver.sh SCRATCH DRIVER GROUPS [driver options...]
# Some fixtures can only be made from the Unix side; they are made here.
set -euo pipefail

scratch=$1 driver=$2 groups=$3
shift 3

rm -rf "$scratch"
mkdir -p "$scratch/full-disk"
# A target that leads to /dev/full: every write to it fails with "no space".
ln -s /dev/full "$scratch/full-disk/mirufeza.exe"

exec wine "$driver" "$groups" --scratch "$scratch" "$@"
