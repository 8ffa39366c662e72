#!/usr/bin/env bash
# The start-up road of the real executable on a virtual X server, with a
# throw-away HOME, TMPDIR and XDG_RUNTIME_DIR (the instance lock lives in the
# settings folder and the local socket in the runtime folder, so a copy the
# developer runs is never disturbed):
#   - first start writes the settings;
#   - a second copy ends with exit code 1 within 2 s, the first keeps running;
#   - a copy with another HOME and runtime folder runs beside the first; a
#     later copy of the first's ends with 1 and raises the first's window;
#   - after kill -9 the next start comes up with a window;
#   - kill -SEGV leaves one dated .dmp with a readable backtrace and starts
#     the crash report as a separate process;
#   - a damaged settings file and a language without a file still start;
#   - a copy facing a holder that never answers gives up with exit code 1;
#   - an auto-start launch without a tray still shows its window.
# Usage: startup_e2e.sh <vardex-keyboard> <scratch dir>
set -uo pipefail
exe="$1"
base="$2"

if [[ -z "${VARDEX_E2E_INNER:-}" ]]; then
    if command -v Xvfb >/dev/null; then
        VARDEX_E2E_INNER=1 exec bash "$(dirname "$0")/../run-under-xvfb.sh" --screen 1920x1080x24 bash "$0" "$@"
    fi
    echo "SKIP: Xvfb is not installed"
    exit 0
fi
export QT_QPA_PLATFORM=xcb

rm -rf "$base"
# The runtime folders hold the sockets, whose paths must fit 107 bytes: they
# live in a short folder of /tmp, not under a checkout of any depth.
short=$(mktemp -d /tmp/vardex-e2e.XXXXXX) || exit 1
run="$short/run" runB="$short/runB"
mkdir -p "$base/home" "$base/tmp" "$run"
chmod 700 "$run"
export HOME="$base/home" TMPDIR="$base/tmp" XDG_RUNTIME_DIR="$run"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config"
export LANG=en_US.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
appdata="$XDG_DATA_HOME/$(basename "$exe")"
ini="$appdata/UserConfig/VardexConfig.ini"

# The bound of a wait for an event, in tenths of a second: it only ends a
# hang. A loaded machine or a sanitizer build may take many seconds to start
# a copy that starts in one alone.
hang=600
# How soon a copy gives up is checked in the normal build only.
sanitized="${VARDEX_E2E_SANITIZED:-0}"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    rm -rf "$short"
}
trap cleanup EXIT

# Waits until process $1 shows a window; 0 when it did.
wait_window() {
    local pid=$1
    for _ in $(seq 1 "$hang"); do
        kill -0 "$pid" 2>/dev/null || return 1
        if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Starts a copy in the background; its pid is left in $started.
start_copy() {
    "$exe" "$@" >>"$base/log.txt" 2>&1 &
    started=$!
    pids+=("$started")
}

# Ends a copy as a log-out would; 0 when it quit normally.
stop_copy() {
    kill -TERM "$1" 2>/dev/null
    # A copy that ignores SIGTERM must fail this script, not hang it.
    for _ in $(seq 1 "$hang"); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$1" 2>/dev/null; then
        echo "copy $1 still runs $((hang / 10)) s after SIGTERM"
        kill -9 "$1" 2>/dev/null
    fi
    wait "$1" 2>/dev/null
}

# 1. First start with an empty HOME.
start_copy; first=$started
if wait_window "$first"; then pass "first copy shows its window"; else fail "first copy shows no window"; fi
for kv in "selectLanguageIndex=3" "selectThemeIndex=0" "BgImageIsUsing=false" "VersionInfo=V_2.01.01"; do
    if grep -qx "$kv" "$ini" 2>/dev/null; then pass "settings hold $kv"; else fail "settings lack $kv"; fi
done

# 1b. Nothing draws with OpenGL: no OpenGL driver is loaded (Qt's own
#     libraries always map the thin libGL dispatch, so only the drivers and
#     Qt's GL integrations are looked for).
gl=$(grep -oE '[^/ ]*(_dri\.so|libGLX_[a-z]+\.so|libEGL_[a-z]+\.so|libLLVM[^ ]*\.so|xcb-(glx|egl)-integration\.so)[^ ]*' \
    "/proc/$first/maps" 2>/dev/null | sort -u | tr '\n' ' ')
if [[ -z "$gl" ]]; then pass "no OpenGL driver loaded"; else fail "OpenGL loaded: $gl"; fi

# 2. Second copy.
t0=$(date +%s%N)
timeout $((hang / 10)) "$exe" --AutoUp >>"$base/log.txt" 2>&1
rc=$?
elapsed=$((($(date +%s%N) - t0) / 1000000))
if [[ $rc -eq 1 && ($elapsed -lt 2000 || $sanitized == 1) ]]; then pass "second copy ended with 1 after ${elapsed} ms"
else fail "second copy: exit code $rc after ${elapsed} ms"; fi
sleep 0.3
if kill -0 "$first" 2>/dev/null && xdotool search --onlyvisible --pid "$first" >/dev/null 2>&1; then
    pass "first copy still runs with its window"
else fail "first copy lost"; fi

# 2b. Another HOME and runtime folder is another instance: it runs beside the
#     first. A later copy of the first's folders still ends with 1 and brings
#     the first copy's window above the other one (no window manager runs, so
#     the stacking order is the X server's own).
if command -v xwininfo >/dev/null; then
    mkdir -p "$base/homeB" "$runB"
    chmod 700 "$runB"
    ( export HOME="$base/homeB" XDG_RUNTIME_DIR="$runB" XDG_DATA_HOME="$base/homeB/.local/share" \
          XDG_CONFIG_HOME="$base/homeB/.config"
      exec "$exe" >>"$base/log.txt" 2>&1 ) &
    other=$!
    pids+=("$other")
    if wait_window "$other"; then pass "a copy with another HOME runs beside the first"
    else fail "a copy with another HOME shows no window"; fi
    kill -0 "$first" 2>/dev/null && pass "first copy still runs beside it" || fail "first copy ended"
    if [[ -S "$(find "$runB" -maxdepth 1 -name 'vardex-keyboard-*.sock' | head -n1)" ]] \
        && [[ -S "$(find "$run" -maxdepth 1 -name 'vardex-keyboard-*.sock' | head -n1)" ]]; then
        pass "each copy listens in its own runtime folder"
    else fail "sockets: $(ls "$run" "$runB" 2>&1 | tr '\n' ' ')"; fi
    # Top-most last: the windows of a process in the root's stacking order.
    top_of() { # pid -> index of its highest top-level window
        local best=-1 i=0 ids
        ids=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | while read -r w; do printf '0x%x\n' "$w"; done)
        while read -r win _; do
            grep -qix "$win" <<<"$ids" && best=$i
            i=$((i + 1))
        done < <(xwininfo -root -children | awk '/^ +0x/ {print $1}' | tac)
        echo "$best"
    }
    before_first=$(top_of "$first"); before_other=$(top_of "$other")
    timeout $((hang / 10)) "$exe" >>"$base/log.txt" 2>&1
    rc=$?
    # The first copy raises its window once it has read the later copy's word.
    for _ in $(seq 1 "$hang"); do
        after_first=$(top_of "$first"); after_other=$(top_of "$other")
        [[ $after_first -gt $after_other ]] && break
        sleep 0.1
    done
    if [[ $rc -eq 1 && $after_first -gt $after_other ]]; then
        pass "later copy ended with 1 and raised the first (stack $before_first/$before_other -> $after_first/$after_other)"
    else fail "later copy: exit $rc, stack $before_first/$before_other -> $after_first/$after_other"; fi
    stop_copy "$other"
fi

# 3. kill -9 leaves the instance key behind; the next start must not be blocked.
kill -9 "$first"; wait "$first" 2>/dev/null
start_copy; third=$started
if wait_window "$third"; then pass "start after kill -9 shows a window"; else fail "start after kill -9 shows no window"; fi

# 4. Crash dump.
kill -SEGV "$third"
# A crash handler that hangs must fail this script, not hang it.
for _ in $(seq 1 "$hang"); do
    kill -0 "$third" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$third" 2>/dev/null; then
    fail "the crashed copy still runs $((hang / 10)) s after SIGSEGV"
    kill -9 "$third" 2>/dev/null
fi
wait "$third" 2>/dev/null
mapfile -t dumps < <(find "$appdata/dump" -maxdepth 1 -type f 2>/dev/null)
if [[ ${#dumps[@]} -eq 1 && "$(basename "${dumps[0]}")" =~ ^[0-9]{4}(_[0-9]{2}){5}\.dmp$ ]]; then
    pass "one dump: $(basename "${dumps[0]}")"
    if grep -q "^signal: 11 (SIGSEGV)" "${dumps[0]}" && grep -q "QEventLoop" "${dumps[0]}" \
        && grep -q "(main+0x" "${dumps[0]}"; then
        pass "dump holds the signal and a symbolic backtrace"
    else fail "dump lacks signal or backtrace"; fi
else
    fail "expected one dated dump, found: ${dumps[*]:-none}"
fi
reporter=""
for _ in $(seq 1 "$hang"); do
    reporter=$(pgrep -f -- "--crash-report $appdata/dump/" | head -n1)
    [[ -n "$reporter" ]] && break
    sleep 0.1
done
if [[ -n "$reporter" ]]; then
    pids+=("$reporter")
    if wait_window "$reporter"; then pass "crash report shown by process $reporter"
    else fail "crash report process shows no window"; fi
    kill -TERM "$reporter" 2>/dev/null
else
    fail "no crash report process"
fi

# 5. Damaged settings and a language without a translation file.
printf '[Language]\nselectLanguageIndex=4\n[Keep]\nme=yes\n\x01\x02garbage\xff\xfe=\n[Theme\nselectThemeIndex=zz\n' >"$ini"
start_copy; fourth=$started
if wait_window "$fourth"; then pass "start with damaged settings shows a window"; else fail "damaged settings: no window"; fi
grep -qx "me=yes" "$ini" && pass "other settings kept" || fail "other settings lost"
grep -qx "selectLanguageIndex=4" "$ini" && pass "stored language kept" || fail "stored language changed"
stop_copy "$fourth"; rc=$?
[[ $rc -eq 0 ]] && pass "SIGTERM ends a copy normally" || fail "SIGTERM: exit code $rc"

# 6. The instance is held by a copy that never answers (hung while starting):
#    a new copy gives up with 1 instead of lingering without a window, and
#    starts normally once the holder is gone.
if command -v flock >/dev/null; then
    lock="$appdata/UserConfig/instance.lock"
    echo 1 >"$lock"
    # The holder keeps the lock until the copy has ended, however long a
    # loaded machine makes that (-o: the lock is flock's own, not sleep's).
    flock -o -x "$lock" sleep 600 >/dev/null 2>&1 &
    holder=$!
    pids+=("$holder")
    for _ in $(seq 1 "$hang"); do
        flock -n -x "$lock" true 2>/dev/null || break
        sleep 0.1
    done
    t0=$(date +%s%N)
    timeout $((hang / 10)) "$exe" >>"$base/log.txt" 2>&1
    rc=$?
    elapsed=$((($(date +%s%N) - t0) / 1000000))
    if [[ $rc -eq 1 && ($elapsed -lt 3000 || $sanitized == 1) ]]; then
        pass "copy facing a silent holder ended with 1 after ${elapsed} ms"
    else fail "silent holder: exit code $rc after ${elapsed} ms"; fi
    pkill -P "$holder" sleep 2>/dev/null
    kill "$holder" 2>/dev/null
    wait "$holder"
    start_copy; fifth=$started
    if wait_window "$fifth"; then pass "start after the holder ended shows a window"; else fail "no window after the holder ended"; fi
    stop_copy "$fifth"
fi

# 7. Started by auto-start on a desktop without a tray (as under Xvfb), the
#    window must not vanish: nothing could bring it back.
printf '[AutoStart]\nisAutoStart=true\n' >>"$ini"
start_copy --AutoUp; sixth=$started
if wait_window "$sixth"; then pass "auto-start launch without a tray shows its window"
else fail "auto-start launch without a tray: no window"; fi
stop_copy "$sixth"

if ((failures)); then
    echo "---- program output ----"
    cat "$base/log.txt"
    exit 1
fi
exit 0
