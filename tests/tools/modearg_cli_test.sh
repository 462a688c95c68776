#!/usr/bin/env bash
# modearg from the command line: encode/decode round trip, output format,
# exit codes.
set -u
modearg=$1
failures=0
check() { local what=$1; shift; if ! "$@"; then echo "FAIL: $what"; failures=$((failures + 1)); fi; }

arg=$("$modearg" encode 16); check "encode exits 0" [ $? -eq 0 ]
check "16 hex digits, upper case" grep -Eqx '[0-9A-F]{16}' <<< "$arg"
out=$("$modearg" decode "$arg")
check "plaintext line" [ "$(sed -n 1p <<< "$out")" = 16 ]
check "value line" [ "$(sed -n 2p <<< "$out")" = "16 0x00000010 Unattended" ]
lower=$(tr 'A-F' 'a-f' <<< "$arg")
check "lower case decodes alike" [ "$("$modearg" decode "$lower")" = "$out" ]
check "bits named" [ "$("$modearg" decode "$("$modearg" encode 21)" | sed -n 2p)" = "21 0x00000015 Unattended|SkipRegistration|SkipDriver" ]
check "zero is interactive" [ "$("$modearg" decode "$("$modearg" encode 0)" | sed -n 2p)" = "0 0x00000000 Interactive" ]

"$modearg" encode 12abc > /dev/null 2>&1; check "bad decimal exits 1" [ $? -eq 1 ]
"$modearg" encode 99999999999 > /dev/null 2>&1; check "out of range exits 1" [ $? -eq 1 ]
"$modearg" decode XYZ > /dev/null 2>&1; check "bad hex exits 1" [ $? -eq 1 ]
"$modearg" > /dev/null 2>&1; check "usage exits 2" [ $? -eq 2 ]
"$modearg" frob 1 > /dev/null 2>&1; check "unknown command exits 2" [ $? -eq 2 ]

[ $failures -eq 0 ] && echo "modearg CLI: all checks passed"
exit $((failures > 0))
