#!/usr/bin/env bash
# Exits 0 when a hidraw node of a supported keyboard is present. The ids come
# from the udev rules the build generates from the device table.
rules="$(find "${1:-build}" -name '60-vardex-keyboard.rules' 2>/dev/null | head -n1)"
[[ -n "$rules" ]] || exit 1
for ue in /sys/class/hidraw/*/device/uevent; do
    [[ -r "$ue" ]] || continue
    id="$(sed -n 's/^HID_ID=[0-9A-Fa-f]*:0*\([0-9A-Fa-f]\{1,4\}\):0*\([0-9A-Fa-f]\{1,4\}\)$/\1:\2/p' "$ue" | tr 'A-F' 'a-f')"
    [[ -n "$id" ]] || continue
    vid="${id%%:*}"; pid="${id##*:}"
    vid="$(printf '%04x' "0x$vid")"; pid="$(printf '%04x' "0x$pid")"
    if grep -qi "idVendor}==\"$vid\", *ATTRS{idProduct}==\"$pid\"" "$rules"; then
        exit 0
    fi
done
exit 1
