#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that dependencies between the folders of src/ run one way. Each
# folder may include headers of the folders listed for it below, and Qt
# headers of the modules listed for it; anything else fails the check.
# Usage: check_layers.sh SRC_DIR QTCORE_HEADER_DIR
set -uo pipefail
src="$1"
qtcore="$2"

# Who may include whom: a folder never includes one above it.
declare -A folders=(
    [platform]="platform"
    [reading]="reading"
    [texts]="texts"
    [web]="web platform"
    [settings]="settings platform"
    [reminder]="reminder settings web platform"
    [layout]="layout web"
    [windows]="windows layout reading texts web settings reminder platform"
    [desktop]="desktop layout platform"
    [app]="app windows layout desktop reminder web settings texts reading platform"
)
# The window-free folders see Qt Core only.
declare -A coreOnly=([platform]=1 [reading]=1 [texts]=1 [web]=1 [settings]=1 [reminder]=1)
# Made by the build, for every folder.
generated="program_info.h"

failures=0
fail() {
    echo "$1: $2" >&2
    failures=$((failures + 1))
}

for dir in "$src"/*/; do
    folder="$(basename "$dir")"
    if [ -z "${folders[$folder]+x}" ]; then
        fail "$folder" "a folder the check does not know; add it to check_layers.sh"
        continue
    fi
    allowed=" ${folders[$folder]} "
    while IFS= read -r file; do
        while IFS= read -r line; do
            header="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$line")"
            where="${file#"$src"/}: #include $header"
            case "$line" in
            *'"'*)
                if [[ "$header" == */* ]]; then
                    [[ "$allowed" == *" ${header%%/*} "* ]] ||
                        fail "$where" "$folder may not include ${header%%/*}"
                elif [ "$header" != "$generated" ] && [ ! -e "$(dirname "$file")/$header" ]; then
                    fail "$where" "include headers by their folder"
                fi
                ;;
            *)
                [ -n "${coreOnly[$folder]+x}" ] || continue
                # <QtModule/QName> or <QName>: only Qt Core's headers may appear.
                if [[ "$header" == Qt*/* ]]; then
                    [[ "$header" == QtCore/* ]] || fail "$where" "$folder links Qt Core only"
                elif [[ "$header" == Q* ]]; then
                    [ -e "$qtcore/$header" ] || fail "$where" "$folder links Qt Core only"
                fi
                ;;
            esac
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file")
    done < <(find "$dir" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \))
done

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) against the direction of the layers" >&2
    exit 1
fi
echo "layers: every include runs downwards"
