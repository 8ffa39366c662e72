#!/usr/bin/env bash
# Refreshes translations/<area>/*.ts from the texts in the code and forms under
# src/. Areas and their sources are listed in translations/areas.txt, languages
# in translations/languages.txt. Run it after adding or changing a
# tr()/translate() text or a form text, then translate the entries left
# unfinished in every language but English (the source language: its entries
# are filled with their own source text here).
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
core_roots=(src/app src/data src/hid src/platform src/ui)

mapfile -t languages < <(grep -v '^\s*#' translations/languages.txt | awk 'NF >= 2 { print $1 " " $2 }')
mapfile -t area_lines < <(grep -v '^\s*#' translations/areas.txt | awk 'NF >= 1')

all_sources() { find "${core_roots[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \) | sort; }

# Prints the source files of one area, one per line.
area_sources() { # <area>
    local line area paths claimed=()
    for line in "${area_lines[@]}"; do
        read -r area paths <<<"$line"
        if [[ "$area" == "$1" && "$1" != core ]]; then
            # shellcheck disable=SC2086
            find $paths -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \) | sort
            return
        fi
        [[ "$area" != core ]] && claimed+=($paths)
    done
    # core: everything no other area claims
    local file path skip
    while read -r file; do
        skip=0
        for path in "${claimed[@]}"; do
            [[ "$file" == "$path" || "$file" == "$path"/* ]] && { skip=1; break; }
        done
        [[ $skip == 0 ]] && echo "$file"
    done < <(all_sources)
}

update() { # <ts file> <locale> <list file>
    # Locations stay out of the files so that moved code causes no churn.
    QT_SELECT=5 "$lupdate_bin" -silent -locations none -no-obsolete -no-ui-lines \
        -extensions cpp,h,ui -I src -source-language en_US -target-language "$2" \
        "@$3" -ts "$1"
}

fill_source_language() { # <ts file>: unfinished entries translate to their own source
    perl -0777 -pi -e '
        s{<source>([^<]*)</source>(\s*(?:<comment>[^<]*</comment>\s*)?(?:<extracomment>[^<]*</extracomment>\s*)?)<translation type="unfinished">[^<]*</translation>}
         {<source>$1</source>$2<translation>$1</translation>}gs' "$1"
}

run_all() { # <directory holding the area folders>
    local line area lang locale list
    list="$(mktemp)"
    for line in "${area_lines[@]}"; do
        read -r area _ <<<"$line"
        area_sources "$area" >"$list"
        mkdir -p "$1/$area"
        for line2 in "${languages[@]}"; do
            read -r lang locale <<<"$line2"
            update "$1/$area/$lang.ts" "$locale" "$list"
            [[ "$lang" == English ]] && fill_source_language "$1/$area/$lang.ts"
        done
    done
    rm -f "$list"
}

if [[ "${1:-}" == "--check" ]]; then
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    cp -r translations/. "$tmp/"
    run_all "$tmp"
    status=0
    while read -r ts; do
        rel="${ts#"$tmp"/}"
        if ! cmp -s "translations/$rel" "$ts"; then
            echo "translations/$rel is out of date: run scripts/update-translations.sh" >&2
            diff -u "translations/$rel" "$ts" 2>/dev/null | head -40 >&2 || true
            status=1
        fi
        if grep -q 'type="unfinished"' "$ts"; then
            echo "translations/$rel has unfinished entries" >&2
            status=1
        fi
    done < <(find "$tmp" -name '*.ts' | sort)
    exit $status
fi

run_all translations
find translations -name '*.ts' | sort | while read -r ts; do
    left="$(grep -c 'type="unfinished"' "$ts" || true)"
    if [[ "$left" != 0 ]]; then echo "$ts: ${left} unfinished entr$([[ $left == 1 ]] && echo y || echo ies) to translate"; fi
done
exit 0
