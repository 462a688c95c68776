#!/usr/bin/env bash
# guest_ctest.sh BUILD_DIR CTEST_ARGUMENTS...   (inside vm-run and vm-wine)
# Runs CTest of a Windows build in the guest. The build's programs are first
# copied up into the guest's memory (the overlay over the host's root): Wine
# maps a program's file, and files on the host's 9p share came up with
# zeroed pages there.
set -u
build=$1; shift
find "$build" \( -name '*.exe' -o -name '*.dll' \) -type f -exec touch -c {} + || exit 125
exec ctest --test-dir "$build" "$@"
