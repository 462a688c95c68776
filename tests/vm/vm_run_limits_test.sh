#!/usr/bin/env bash
# scripts/vm-run at its limits: a guest that does not come up in time and a
# command that hangs both end with exit code 124 and a message naming what
# did not happen; a command's own exit code and output come back.
set -u
vm_run=$1
failures=0
expect() {  # expect DESCRIPTION WANTED_CODE PATTERN CODE OUTPUT
  if [ "$4" -eq "$2" ] && grep -q "$3" <<<"$5"; then echo "ok: $1"
  else echo "FAILED: $1 (exit code $4, output:)"; echo "$5" | tail -n 5; failures=$((failures + 1)); fi
}

out=$(VM_BOOT_SECONDS=1 "$vm_run" --io limits --timeout 60 true 2>&1); code=$?
expect "a guest that does not come up in time" 124 "did not come up (its command did not start) within 1 s" $code "$out"

start=$(date +%s)
out=$("$vm_run" --io limits --timeout 5 sleep 600 2>&1); code=$?
expect "a command that hangs" 124 "the command did not end within 5 s: sleep 600" $code "$out"
[ $(($(date +%s) - start)) -lt 300 ] || { echo "FAILED: the hung command was not stopped at its limit"; failures=$((failures + 1)); }

out=$("$vm_run" --io limits --timeout 120 sh -c 'uname -m; echo fine > "$VM_IO/result"; exit 7' 2>&1); code=$?
expect "the command's exit code and output" 7 "^x86_64$" $code "$out"
grep -qx fine "$(dirname "$vm_run")/../build/vm/share/io/limits/result" 2>/dev/null ||
  { echo "FAILED: the command's file did not come back"; failures=$((failures + 1)); }

echo "$failures failed check(s)"
[ "$failures" -eq 0 ]
