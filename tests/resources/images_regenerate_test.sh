#!/usr/bin/env bash
# Runs the image generator into a scratch folder and compares every file it
# makes with the committed one, byte for byte: the committed images are what
# the generator draws. Exit 77 (skipped) when no Python with Pillow is here.
set -u
images=$1
out=$2
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import PIL' 2> /dev/null; then python=$candidate; break; fi
done
if [ -z "$python" ]; then echo "no python3 with Pillow (Debian python3-pil): skipped"; exit 77; fi

rm -rf "$out" && mkdir -p "$out"
"$python" "$images/generate.py" --out "$out" || { echo "FAIL: generator exited $?"; exit 1; }

failures=0
made=0
for f in "$out"/*; do
  made=$((made + 1))
  name=$(basename "$f")
  if [ ! -f "$images/$name" ]; then echo "FAIL: $name is made but not committed"; failures=$((failures + 1)); continue; fi
  cmp -s "$f" "$images/$name" || { echo "FAIL: $name differs from the committed file"; failures=$((failures + 1)); }
done
for f in "$images"/[0-9]*.png "$images"/setup.ico; do
  [ -f "$out/$(basename "$f")" ] || { echo "FAIL: committed $(basename "$f") is no longer made"; failures=$((failures + 1)); }
done
[ "$made" -ge 38 ] || { echo "FAIL: only $made files made"; failures=$((failures + 1)); }
[ $failures -eq 0 ] && echo "images: $made files regenerate identically"
exit $((failures > 0))
