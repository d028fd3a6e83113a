#!/usr/bin/env bash
# The whole job as a user does it, with the real Tarvolin.exe in a Wine
# virtual desktop inside the X server of $DISPLAY (scripts/test.sh provides
# one with xvfb-run). xdotool clicks and types; window-probe, running in the
# same desktop, reads what the program shows; drag-source starts a real OLE
# drag of files onto the list.
#
#   end_to_end.sh TARVOLIN.EXE WINDOW-PROBE.EXE DRAG-SOURCE.EXE
#
# With SCREENSHOTS=FOLDER it also photographs the window with files listed,
# the final message of a run and that of a run that failed
# (scripts/screenshot-usage.sh uses this).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
program=$1 probe_exe=$2 drag_exe=$3
. "$root/scripts/env.sh"
[ -n "${WINE:-}" ] || use_wine_for "$(test_arch)"
use_chinese_locale
: "${DISPLAY:?an X server is needed: run inside xvfb-run}"

work=$(mktemp -d /tmp/tarvolin-e2e.XXXXXX)
desktop=tarvolin-e2e-$$
title=TarvolinV1.1          # the start of the main window's caption
dialog_title=请选择需要分割的文本文件
failures=0

# Drive letter Z: is the root of the Unix file system.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }
xdo() { LC_ALL=C.UTF-8 xdotool "$@"; }
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok: $1"; else fail "$1: expected [$2], got [$3]"; fi
}

# Starts a Windows program inside the desktop (it runs on in the background).
in_desktop() { "$WINE" explorer /desktop="$desktop",1024x768 "$@" >/dev/null 2>&1; }

# Waits for a file that a program in the desktop writes; false after ~seconds.
wait_for_file() {  # FILE SECONDS
  local tries=$(($2 * 10))
  while [ ! -f "$1" ]; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Asks window-probe; prints its answer (bytes as the program holds them),
# false when it found nothing.
probe() {
  local out=$work/probe.out
  rm -f "$out"
  in_desktop "$probe_exe" "$(winpath "$out")" "$@"
  wait_for_file "$out" 90 || { echo "probe $1 gave no answer" >&2; return 1; }
  [ "$(cat "$out")" != FAILED ] || return 1
  cat "$out"
}

click_control() {  # ID
  local xy
  xy=$(probe control "$title" "$1" 10000)
  # shellcheck disable=SC2086
  xdo mousemove $xy click 1
}

# Polls a probe until its answer is the expected one; prints the last answer.
wait_for_answer() {  # EXPECTED SECONDS PROBE-ARGS...
  local expected=$1 tries=$(($2 * 5)) answer=""
  shift 2
  while :; do
    answer=$(probe "$@" || true)
    [ "$answer" != "$expected" ] || break
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || break
    sleep 0.2
  done
  printf '%s' "$answer"
}

# Replaces the whole text of an edit box with typed ASCII text.
type_into() {  # ID TEXT
  click_control "$1"
  xdo key End shift+Home BackSpace
  xdo type --delay 5 "$2"
  check "text typed into $1" "$2" "$(wait_for_answer "$2" 10 text "$title" "$1")"
}

# The window (with anything shown over it) as a picture, when asked for.
photograph() {  # NAME
  [ -z "${SCREENSHOTS:-}" ] || import -window root -crop 640x480+192+144 +repage "$SCREENSHOTS/$1.png"
}

# Presses "开始分割" and answers the message box; prints its text in UTF-8.
split_and_read_message() {  # [PICTURE-NAME]
  local message
  click_control 1009
  message=$(probe message 60000) || { fail "no message box"; return; }
  [ -z "${1:-}" ] || photograph "$1"
  xdo key Return
  probe gone "信息：" 10000 >/dev/null || fail "the message box did not close"
  printf '%s' "$message" | iconv -f GBK -t UTF-8
}

cleanup() {
  # Only what this test started: the programs of its own desktop, while it
  # is still there (asking an ended desktop would open a new one).
  if xdo search --name "^$desktop - " >/dev/null 2>&1; then
    probe end DragSource >/dev/null 2>&1 || true
    probe end "$title" >/dev/null 2>&1 || true
  fi
  # The desktop closes once its last program has ended.
  local tries=100
  while [ -n "${desktop_pid:-}" ] && kill -0 "$desktop_pid" 2>/dev/null && [ "$tries" -gt 0 ]; do
    tries=$((tries - 1))
    sleep 0.1
  done
  [ -z "${desktop_pid:-}" ] || kill "$desktop_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The program in a folder of its own, so that its default output folder is
# made there; sources whose parts are known exactly.
mkdir -p "$work/prog" "$work/src" "$work/typed-out"
cp "$program" "$work/prog/Tarvolin.exe"
python3 - "$work/src" <<'EOF'
import sys
folder = sys.argv[1]
# Lines of 1000 bytes: with a chunk of 2 KB every part but the last holds two.
def lines(count, first):
    return b"".join(bytes([first + i % 20]) * 1000 + b"\r\n" for i in range(count))
open(folder + "/a.txt", "wb").write(lines(5, 65))
open(folder + "/b.txt", "wb").write(lines(3, 97) + b"last line without a break")
open(folder + "/c.txt", "wb").write(b"dropped\r\n")
EOF

# The expected parts: the cut at the last "\r\n" inside each chunk, the break
# travelling with the next part, the last chunk written whole.
check_parts() {  # SOURCE FOLDER CHUNK-BYTES
  python3 - "$@" <<'EOF' || return 1
import os, sys
source, folder, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = open(source, "rb").read()
name = os.path.splitext(os.path.basename(source))[0]
start, number, problems = 0, 0, []
while start < len(data):
    number += 1
    end = min(start + size, len(data))
    if end < len(data):
        end = data.rfind(b"\r\n", start, end)
    path = os.path.join(folder, "%s%d.txt" % (name, number))
    if not os.path.exists(path) or open(path, "rb").read() != data[start:end]:
        problems.append(path)
    start = end
if os.path.exists(os.path.join(folder, "%s%d.txt" % (name, number + 1))):
    problems.append("an extra part %d" % (number + 1))
print(" ".join(problems))
sys.exit(1 if problems else 0)
EOF
}

# --- Start: the window shows the default output folder, which now exists.
in_desktop "$probe_exe" "$(winpath "$work/exit-code")" run "$(winpath "$work/prog/Tarvolin.exe")" &
desktop_pid=$!
# Every later program must find the desktop made already, or it would make
# (and hold) one of its own.
for _ in $(seq 300); do
  xdo search --name "^$desktop - " >/dev/null 2>&1 && break
  sleep 0.1
done
probe find "$title" 30000 >/dev/null || { fail "the main window did not appear"; exit 1; }
default_folder="$(winpath "$work/prog")\\分割目录\\"
check "default output folder" "$(gbk "$default_folder")" "$(probe text "$title" 1005)"
[ -d "$work/prog/分割目录" ] && echo "ok: default folder created" || fail "default folder not created"

# --- Add two files through the real open-file dialog.
click_control 1002
dialog_rect=$(probe find "$dialog_title" 15000) || { fail "the open-file dialog did not appear"; exit 1; }
read -r dl dt dr db <<<"$dialog_rect"
main_rect=$(probe find "$title" 1000)
read -r ml mt mr mb <<<"$main_rect"
centre_gap=$(( ( (dl + dr) - (ml + mr) ) / 2 )):$(( ( (dt + db) - (mt + mb) ) / 2 ))
check "dialog centred over the window" "0:0" "$centre_gap"
xdo type --delay 5 "$(winpath "$work/src")"
xdo key Return
check "dialog moved to the sources" src "$(wait_for_answer src 15 text "$dialog_title" 1137)"
xdo type --delay 5 '"a.txt" "b.txt"'
xdo key Return
listed="$(winpath "$work/src/a.txt")
$(winpath "$work/src/b.txt")"
check "two items from the dialog" "$listed" "$(wait_for_answer "$listed" 20 items "$title")"
photograph files-listed

# --- Split into the default folder with a chunk of 2 KB.
type_into 1006 2
check "final message" "分割完毕" "$(split_and_read_message final-message)"
check "the window is enabled again" 1 "$(probe enabled "$title")"
for source in a b; do
  problems=$(check_parts "$work/src/$source.txt" "$work/prog/分割目录" 2048) && echo "ok: parts of $source.txt" ||
    fail "parts of $source.txt: $problems"
done

# --- An output folder typed by hand (no trailing "\": the parts go inside it).
type_into 1005 "$(winpath "$work/typed-out")"
check "final message, typed folder" "分割完毕" "$(split_and_read_message)"
for source in a b; do
  problems=$(check_parts "$work/src/$source.txt" "$work/typed-out" 2048) && echo "ok: parts of $source.txt, typed folder" ||
    fail "parts of $source.txt in the typed folder: $problems"
done

# --- A folder that does not exist: nothing is written, and the message says so.
type_into 1005 "$(winpath "$work/missing")\\"
message=$(split_and_read_message failure-message)
expected_start="分割完毕，以下文件未能完成：
$(winpath "$work/src/a.txt")：有 3 个分割文件未能写入"
check "failure message" "$expected_start" "$(printf '%s' "$message" | tr -d '\r' | head -2 | sed '2s/（.*//')"
case "$message" in
  *"$(winpath "$work/src/b.txt")：有 2 个分割文件未能写入"*) echo "ok: second source named" ;;
  *) fail "the failure message does not name b.txt: $message" ;;
esac
[ ! -e "$work/missing" ] && echo "ok: missing folder not created" || fail "the missing folder was created"

# --- A real drag of a file from another program onto the list, then one
# dropped outside the list.
drag_file() {  # X Y: drops c.txt there; prints the drag's result and effect
  rm -f "$work/drag-result"
  in_desktop "$drag_exe" "$(winpath "$work/drag-result")" "$(winpath "$work/src/c.txt")"
  probe find DragSource 15000 >/dev/null || { echo "no drag source"; return; }
  xdo mousemove 80 80 mousedown 1
  local step
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdo mousemove $((80 + ($1 - 80) * step / 10)) $((80 + ($2 - 80) * step / 10))
    sleep 0.05  # the drag follows the pointer's motion events, not its jumps
  done
  xdo mouseup 1
  wait_for_file "$work/drag-result" 15 && cat "$work/drag-result"
}
read -r lx ly <<<"$(probe control "$title" 1001 5000)"
check "drop on the list: failure reported, copy shown" "80004005 1" "$(drag_file "$lx" "$ly")"
listed="$listed
$(winpath "$work/src/c.txt")"
check "dropped file appended" "$listed" "$(wait_for_answer "$listed" 10 items "$title")"
read -r ox oy <<<"$(probe control "$title" 1012 5000)"
drop_outside=$(drag_file "$ox" "$oy")
check "drop beside the list refused" 0 "${drop_outside#* }"
check "the list is unchanged" "$listed" "$(probe items "$title")"

# --- The folder browser: every window of the program is disabled while it is
# open; OK puts the chosen folder (the desktop, selected at the start) into
# the box, Cancel empties it, and a run then asks for a folder.
browse() {  # KEY that closes the browser
  click_control 1004
  check "window disabled under the browser" 0 "$(wait_for_answer 0 15 enabled "$title")"
  probe find "选择文件夹" 10000 >/dev/null || fail "no folder browser"
  xdo key "$1"
  check "window enabled after the browser" 1 "$(wait_for_answer 1 15 enabled "$title")"
}
browse Return
chosen=$(probe text "$title" 1005 | iconv -f GBK -t UTF-8)
folder_path='^[A-Z]:\\.*[^\\]$'  # a drive, a folder, no trailing separator
[[ $chosen =~ $folder_path ]] && echo "ok: browsed folder $chosen" || fail "browsed folder: [$chosen]"
browse Escape
check "cancelled browse empties the box" "" "$(probe text "$title" 1005)"
check "a run without a folder" "请选择输出目录" "$(split_and_read_message)"

# --- Clear the list, then Esc closes the program with exit code 0.
click_control 1003
check "list cleared" "" "$(wait_for_answer "" 10 items "$title")"
click_control 1001
xdo key Escape
wait_for_file "$work/exit-code" 20 || fail "the program did not end"
check "exit code" 0 "$(cat "$work/exit-code" 2>/dev/null)"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all end-to-end checks passed"
