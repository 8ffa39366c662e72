#!/usr/bin/env bash
# Runs a command beside n busy loops ("all": one per core), to see that it
# holds on a loaded machine. The loops stop when the command ends, however it
# ends; the command's exit status is kept.
#   bash scripts/with-load.sh all ctest -R '^tst_devicelist$' --repeat until-fail:5
set -uo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 <busy loops|all> command [argument...]" >&2
    exit 2
fi
loops="$1"
shift
[ "$loops" = all ] && loops="$(nproc)"
case "$loops" in
    '' | *[!0-9]*)
        echo "$0: the load is a number of busy loops or \"all\", not \"$loops\"" >&2
        exit 2
        ;;
esac

pids=()
command_pid=
stop_loops() {
    if [ ${#pids[@]} -gt 0 ]; then
        kill "${pids[@]}" 2>/dev/null
        wait "${pids[@]}" 2>/dev/null
        pids=()
    fi
}
# A signal to this script ends the command too (it runs in the background so
# that the signal is taken at once, not when the command has ended).
stop_all() {
    [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
    exit "$1"
}
trap stop_loops EXIT
trap 'stop_all 130' INT
trap 'stop_all 143' TERM HUP

for ((i = 0; i < loops; i++)); do
    (while :; do :; done) &
    pids+=("$!")
done
"$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=
exit "$status"
