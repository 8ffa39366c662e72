#!/usr/bin/env bash
# Refreshes translations/*.ts from the texts in the code and forms under src/.
# Run it after adding or changing a tr()/translate() text or a form text, then
# translate the entries left unfinished in every language but English (the
# source language: its entries are filled with their own source text here).
#
#   scripts/update-translations.sh          update the .ts files in place
#   scripts/update-translations.sh --check  change nothing; fail when an update
#                                           would change a .ts file
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

lupdate_bin="${LUPDATE:-}"
if [[ -z "$lupdate_bin" ]]; then
    for candidate in /usr/lib/qt5/bin/lupdate "$(command -v lupdate-qt5 || true)" "$(command -v lupdate || true)"; do
        [[ -n "$candidate" && -x "$candidate" ]] && { lupdate_bin="$candidate"; break; }
    done
fi
[[ -n "$lupdate_bin" ]] || { echo "lupdate not found (apt-get install qttools5-dev-tools)" >&2; exit 2; }

# The device library (src/sdk) has no Qt and no user-visible texts.
sources=(src/app src/data src/hid src/platform src/ui)

update() { # <ts file> <language>
    # Locations stay out of the files so that moved code causes no churn.
    QT_SELECT=5 "$lupdate_bin" -silent -locations none -no-obsolete -no-ui-lines \
        -extensions cpp,h,ui -I src -source-language en_US -target-language "$2" \
        "${sources[@]}" -ts "$1"
}

fill_source_language() { # <ts file>: unfinished entries translate to their own source
    perl -0777 -pi -e '
        s{<source>([^<]*)</source>(\s*(?:<comment>[^<]*</comment>\s*)?(?:<extracomment>[^<]*</extracomment>\s*)?)<translation type="unfinished">[^<]*</translation>}
         {<source>$1</source>$2<translation>$1</translation>}gs' "$1"
}

run_all() { # <directory holding the .ts files>
    update "$1/English.ts" en_US
    fill_source_language "$1/English.ts"
    update "$1/Zh_SM.ts" zh_CN
}

if [[ "${1:-}" == "--check" ]]; then
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    cp translations/English.ts translations/Zh_SM.ts "$tmp/"
    run_all "$tmp"
    status=0
    for ts in English.ts Zh_SM.ts; do
        if ! cmp -s "translations/$ts" "$tmp/$ts"; then
            echo "translations/$ts is out of date: run scripts/update-translations.sh" >&2
            diff -u "translations/$ts" "$tmp/$ts" | head -40 >&2 || true
            status=1
        fi
    done
    if grep -q 'type="unfinished"' "$tmp/Zh_SM.ts"; then
        echo "translations/Zh_SM.ts has unfinished entries" >&2
        status=1
    fi
    exit $status
fi

run_all translations
left="$(grep -c 'type="unfinished"' translations/Zh_SM.ts || true)"
echo "Zh_SM.ts: ${left} unfinished entr$([[ $left == 1 ]] && echo y || echo ies) to translate"
