#!/usr/bin/env bash
# guest_ctest.sh BUILD_DIR CTEST_ARGUMENTS...   (inside vm-run and vm-wine)
# Runs CTest of a Windows build in the guest. The build's programs are first
# copied up into the guest's memory (the overlay over the host's root), so
# that a rebuild on the host during the run cannot change them under the
# guest.
set -u
build=$1; shift
find "$build" \( -name '*.exe' -o -name '*.dll' \) -type f -exec touch -c {} + || exit 125
exec ctest --test-dir "$build" "$@"
