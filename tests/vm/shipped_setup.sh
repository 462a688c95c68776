#!/usr/bin/env bash
# The shipped 32-bit setup as a user meets it, inside the guest of vm-run and
# the Wine session of vm-wine:
#   shipped_setup.sh win64|win32 SETUP.exe MODEARG.exe
# Interactive: the wizard at 500x280, the fold-out to 500x350, a folder typed
# into the location field, the one-click install into it; then the files,
# the records (win64: in the 32-bit view only), the links, and the payload
# log (service, then the driver tool and driver of the Windows width). Then
# an unattended update (mode argument 16) that must find that installation
# through the records. Screenshots go to $VM_IO; exit code 1 on any failure.
set -u
arch=$1 setup=$2 modearg=$3
out=${VM_IO:?}
: "${WINEPREFIX:?}" "${WINE_LOADER:?}" "${DISPLAY:?}"
export ZEPHYRA_PAYLOAD_LOG='Z:\tmp\zephyra-payload.log'
payload_log=/tmp/zephyra-payload.log
folder='C:\Zephyra Typed\WiFi'
dir="$WINEPREFIX/drive_c/Zephyra Typed/WiFi"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zephyra'
if [ "$arch" = win64 ]; then driver_tool=snetcfg64.exe driver=ydnatwfp64.sys other_tool=snetcfg.exe
else driver_tool=snetcfg.exe driver=ydnatwfp.sys other_tool=snetcfg64.exe; fi

# The programs run from the guest's memory, so that a rebuild on the host
# during the run cannot change them under the guest.
mkdir -p /tmp/zephyra-i686
cp "$setup" "$modearg" /tmp/zephyra-i686/ || exit 1
setup=/tmp/zephyra-i686/$(basename "$setup") modearg=/tmp/zephyra-i686/$(basename "$modearg")

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
not() { ! "$@" >/dev/null 2>&1; }
shot() { import -display "$DISPLAY" -window root "$out/$1.png" 2>/dev/null; }
reg_query() { "$WINE_LOADER" reg query "$@" 2>/dev/null | tr -d '\r'; }

# The wizard's top-level X window: its geometry as "W H X Y", or nothing.
wizard_geometry() {
  xwininfo -root -children 2>/dev/null |
    sed -n 's/.*: *(.*) *\(500\)x\(280\|350\)+\([0-9]*\)+\([0-9]*\) .*/\1 \2 \3 \4/p' | head -n 1
}
wait_wizard() {  # wait_wizard HEIGHT SECONDS; fails at once when the setup has ended
  local g end=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$end" ]; do
    g=$(wizard_geometry)
    [ "${g#500 }" != "$g" ] && [ "$(echo "$g" | cut -d' ' -f2)" = "$1" ] && { echo "$g"; return 0; }
    kill -0 "$setup_pid" 2>/dev/null || return 1
    sleep 0.25
  done
  return 1
}
wizard_at() { wait_wizard "$@" >/dev/null; }
click() {  # click X Y (client point of the wizard)
  local g
  g=$(wizard_geometry)
  xdotool mousemove --sync $(($(echo "$g" | cut -d' ' -f3) + $1)) $(($(echo "$g" | cut -d' ' -f4) + $2)) click 1
}
log_programs() { cut -f1 "$payload_log" 2>/dev/null | tr -d '\r' | tr '\n' ' '; }
wait_log_lines() {  # the launched programs run on after the setup ends
  local end=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$end" ]; do
    [ "$(wc -l < "$payload_log" 2>/dev/null || echo 0)" -ge "$1" ] && return 0
    sleep 0.25
  done
  return 1
}

# ---- Interactive install into a typed folder ----
rm -f "$payload_log"
# The user's desktop folder is a link out of the prefix (to the home folder,
# which the guest sees from this machine): no link of an earlier run counts.
desktop_link="$WINEPREFIX/drive_c/users/$(id -un)/Desktop/Zephyra.lnk"
rm -f "$desktop_link"
"$WINE_LOADER" "$setup" >"$out/setup-interactive.log" 2>&1 &
setup_pid=$!
if ! wait_wizard 280 300 >/dev/null; then
  shot 0-no-wizard
  { xwininfo -root -children; ps -eo pid,etime,time,args; } > "$out/no-wizard.txt" 2>&1
  if kill -0 "$setup_pid" 2>/dev/null; then
    echo "FAILED: the wizard did not appear at 500x280 within 300 s"
    kill "$setup_pid"
  else
    wait "$setup_pid"
    echo "FAILED: the setup ended with exit code $? before its wizard appeared"
    tail -n 20 "$out/setup-interactive.log"
  fi
  exit 1
fi
echo "ok: the wizard appears at 500x280"
sleep 2  # the first paint
shot 1-welcome
click 486 266  # the fold-out toggle
check "the fold-out opens the wizard to 500x350" wizard_at 350 60
sleep 1
shot 2-folded
click 250 304  # the location field
sleep 0.5
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 "$folder"
sleep 1
shot 3-typed
click 250 233  # the install button
sleep 3
shot 4-progress
end=$((SECONDS + 120))
while [ "$SECONDS" -lt "$end" ] && kill -0 "$setup_pid" 2>/dev/null; do sleep 0.5; done
if kill -0 "$setup_pid" 2>/dev/null; then
  shot 5-hung
  echo "FAILED: the setup did not end within 120 s of the install click"
  kill "$setup_pid"
  exit 1
fi
wait "$setup_pid"
check "the interactive setup exits with 0" test $? -eq 0
shot 5-after

for f in Zephyra.exe ydcoresrv.exe pkrep.exe uninst.exe $driver_tool YdNatDriver/$driver; do
  check "installed into the typed folder: $f" test -f "$dir/$f"
done
if [ "$arch" = win64 ]; then
  check "nothing in C:\\Program Files (x86)\\WiFi" test ! -e "$WINEPREFIX/drive_c/Program Files (x86)/WiFi"
fi
records=$(reg_query "$uninstall" /reg:32)
echo "$records" > "$out/uninstall-record.txt"
check "the uninstall record names the typed folder's uninstaller" \
  grep -qF "UninstallString    REG_SZ    $folder\\uninst.exe" <<<"$records"
check "the App Paths record of the product" \
  grep -qF "$folder\\Zephyra.exe" <<<"$(reg_query 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Zephyra.exe' /reg:32)"
if [ "$arch" = win64 ]; then
  check "the records are under Wow6432Node" \
    grep -qF "$folder" <<<"$(reg_query 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Zephyra')"
  check "no uninstall record in the 64-bit view" \
    not "$WINE_LOADER" reg query "$uninstall" /reg:64
fi

links=$(cd "$WINEPREFIX/drive_c/users" && find . -name '*.lnk' | sort)
echo "$links" > "$out/links.txt"
check "the desktop link" test -f "$desktop_link"
for name in Zephyra Zephyra官网 Zephyra卸载; do
  check "the programs link $name" grep -q "/Programs/Zephyra/$name\\.lnk\$" <<<"$links"
done

check "the payload log has five starts" wait_log_lines 5
cp "$payload_log" "$out/payload-interactive.log" 2>/dev/null
programs=$(log_programs)
echo "payload: $programs"
check "the service starts before $driver_tool" \
  grep -q "^ydcoresrv.exe .*$driver_tool " <<<"$programs "
check "$driver_tool installs $driver" grep -q "^$driver_tool	.*-k \".*\\\\YdNatDriver\\\\$driver\"" "$payload_log"
check "$other_tool does not run" test -z "$(grep "^$other_tool	" "$payload_log")"
check "the product starts in the typed folder" grep -qF "Zephyra.exe	$folder	" "$payload_log"

# ---- Unattended update over that installation ----
rm -f "$payload_log"
rm -f "$dir/pkrep.exe"
argument=$("$WINE_LOADER" "$modearg" encode 16 2>/dev/null | tr -d '\r\n')
check "modearg encodes mode 16" test -n "$argument"
timeout 180 "$WINE_LOADER" "$setup" "$argument" >"$out/setup-unattended.log" 2>&1
check "the unattended setup exits with 0" test $? -eq 0
check "the update rewrote the files in the typed folder" test -f "$dir/pkrep.exe"
check "the unattended payload log has five starts" wait_log_lines 5
cp "$payload_log" "$out/payload-unattended.log" 2>/dev/null
echo "payload: $(log_programs)"
check "the update runs the service and $driver_tool" grep -q "^ydcoresrv.exe .*$driver_tool " <<<"$(log_programs) "
check "the update reports as AutoUpdInstall" grep -q "a=AutoUpdInstall" "$payload_log"
shot 6-end

echo "$failures failed check(s)"
[ "$failures" -eq 0 ]
