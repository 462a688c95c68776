#!/usr/bin/env bash
# sign_setup.sh SETUP OUT_DIR: signs the setup through scripts/sign-setup
# with a throw-away certificate made here by openssl, checks that
# osslsigncode verifies the signed copy and rejects it once one byte of the
# code is changed, and leaves OUT_DIR/ZephyraSetup.exe for the program tests.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../../.." && pwd)
setup=${1:?usage: sign_setup.sh SETUP OUT_DIR}
out=${2:?usage: sign_setup.sh SETUP OUT_DIR}
rm -rf "$out" && mkdir -p "$out"

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Zephyra Test Signing" \
  -keyout "$out/key.pem" -out "$out/cert.pem" 2>/dev/null
ZEPHYRA_SIGN_CERT="$out/cert.pem" ZEPHYRA_SIGN_KEY="$out/key.pem" \
  "$repo/scripts/sign-setup" "$setup" "$out/ZephyraSetup.exe"

osslsigncode verify -CAfile "$out/cert.pem" -in "$out/ZephyraSetup.exe" >/dev/null
[ "$(stat -c %s "$out/ZephyraSetup.exe")" -gt "$(stat -c %s "$setup")" ] ||
  { echo "the signed setup is not larger than the unsigned one" >&2; exit 1; }

# One byte of the code flipped: the signature must no longer verify.
cp "$out/ZephyraSetup.exe" "$out/tampered.exe"
offset=4096
byte=$(od -An -tu1 -j "$offset" -N1 "$out/tampered.exe" | tr -d ' ')
printf "$(printf '\\%03o' $(( (byte + 1) % 256 )))" |
  dd of="$out/tampered.exe" bs=1 seek="$offset" conv=notrunc status=none
if osslsigncode verify -CAfile "$out/cert.pem" -in "$out/tampered.exe" >/dev/null 2>&1; then
  echo "osslsigncode verified a changed file" >&2
  exit 1
fi
rm -f "$out/tampered.exe"
echo "signed and verified: $out/ZephyraSetup.exe"
