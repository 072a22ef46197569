#!/usr/bin/env bash
# The real program under a file-size limit (prlimit --fsize), in a virtual
# display, driven by the keyboard: "Save As UTF8 File" of a card larger than
# the limit over an old card. The program must live on and show its warning
# box; the old card keeps every byte and nothing is left beside it.
#
#   save_past_file_size_limit.sh PROGRAM
set -euo pipefail
program=$1
if [ -z "${QM_INSIDE_XVFB:-}" ]; then
  QM_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A form with a name and a 74 KB photo (JPEG bytes are embedded as they are).
mkdir -p "$work/config/Veltrask" "$work/cards"
{ printf '\xff\xd8\xff\xe0'; head -c 75000 /dev/urandom; } > "$work/photo.jpg"
printf '[General]\nTextbox0=Marlow\nTextbox24=%s\n' "$work/photo.jpg" > "$work/config/Veltrask/Quillmere.conf"
printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN:Old;Card\r\nEND:VCARD\r\n' > "$work/cards/old.vcf"
cp "$work/cards/old.vcf" "$work/expected.vcf"

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
# The windows are found by their English titles, whatever the machine's language.
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
prlimit --fsize=20000 -- "$program" & app=$!

windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
wait_for() {  # a window titled $1, at least $2 of them
  for _ in $(seq 100); do
    [ "$(windows "$1")" -ge "$2" ] && return 0
    kill -0 "$app" 2>/dev/null || { echo "FAIL: the program ended ($(wait "$app"; echo $?))"; exit 1; }
    sleep 0.1
  done
  echo "FAIL: no window '$1'"; exit 1
}

wait_for '^Quillmere$' 1
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Quillmere$' | head -n 1)"
sleep 0.3
# From Last Name back round the Tab cycle: the corner's four commands, Help,
# the six boxes, "Save As UTF8 File".
for _ in $(seq 12); do xdotool key shift+Tab; done
xdotool key Return
wait_for '^Select As ANSI$' 1
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 5 "$work/cards/old.vcf"
xdotool key Return

# The warning box is a second window with the program's caption.
wait_for '^Quillmere$' 2
sleep 0.3
kill -0 "$app" || { echo "FAIL: the program ended"; exit 1; }
cmp "$work/cards/old.vcf" "$work/expected.vcf" || { echo "FAIL: the old card changed"; exit 1; }
left=$(ls -A "$work/cards")
[ "$left" = "old.vcf" ] || { echo "FAIL: left beside the card: $left"; exit 1; }
echo "the program lives on, shows its box, and the old card is whole"
