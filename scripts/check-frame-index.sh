#!/usr/bin/env bash
# The main frame's header is its index: each section heading names the files that define what
# stands under it. Fails for a member function defined in none of its heading's files, for a file
# a heading names that does not exist or defines nothing under it, and for a member function of
# the frame declared under no heading.
#   scripts/check-frame-index.sh [source folder]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
header="$root/flow/MainFrame.h"
cd "$root"

# One line per declaration: "heading files<TAB>name", from the class body. A heading is a comment
# "// --- title (files) ---" whose list may run on into the next comment line; a heading without a
# list ("// --- title ---") holds only members defined in the header itself.
declarations=$(awk '
    /^class CMainFrame / { inside = 1; next }
    inside && /^};/ { exit }
    !inside { next }
    {
        line = $0
        if (pending) {
            text = text " " line
            if (line ~ /\)/) { pending = 0; set_files(text) }
            next
        }
        if (line ~ /^ *\/\/ ---/) {
            files = ""; text = line
            if (line ~ /\(/ && line !~ /\)/) { pending = 1; next }
            if (line ~ /\(/) set_files(text)
            else files = "-"
            continue_stmt = 0
            next
        }
        if (line ~ /^ *\/\// || line ~ /^ *$/ || line ~ /^ *(public|private|protected):/) next
        code = line; sub(/\/\/.*/, "", code)
        if (continue_stmt) { if (code ~ /[;}] *$/) continue_stmt = 0; next }
        if (code !~ /[;}] *$/) continue_stmt = 1
        if (code ~ /^ *(static constexpr|using |friend )/) next
        head = code; sub(/\(.*/, "", head)
        if (code !~ /\(/ || head ~ /=/) next
        n = split(head, words, /[ *&]+/)
        name = words[n]
        if (name == "") next
        inline_body = (code ~ /\) *(const *)?(override *)?\{/) ? 1 : 0
        print (files == "" ? "-" : files) "\t" name "\t" inline_body
    }
    function set_files(t,   inner) {
        inner = t
        sub(/^[^(]*\(/, "", inner); sub(/\).*$/, "", inner)
        gsub(/ *\/\/ */, " ", inner); gsub(/ *, */, " ", inner); gsub(/-+/, "", inner)
        gsub(/^ +| +$/, "", inner)
        files = inner
    }
' "$header")

status=0
declare -A used
while IFS=$'\t' read -r files name inline_body; do
    [ -n "$name" ] || continue
    [ "$name" = CMainFrame ] || [ "$name" = "~CMainFrame" ] && continue
    if [ "$files" = "-" ]; then
        if [ "$inline_body" != 1 ]; then
            echo "flow/MainFrame.h: $name stands under a heading that names no file" >&2
            status=1
        fi
        continue
    fi
    [ "$inline_body" = 1 ] && continue
    found=""
    set -f
    patterns=($files)
    set +f
    for pattern in "${patterns[@]}"; do
        for file in $pattern; do
            [ -f "$file" ] || continue
            if grep -qE "(^|[^A-Za-z0-9_])CMainFrame::$name *\(" "$file"; then
                found="$file"
                used["$files|$pattern"]=1
                break 2
            fi
        done
    done
    if [ -z "$found" ]; then
        where=$(grep -rlE --include='*.cpp' "(^|[^A-Za-z0-9_])CMainFrame::$name *\(" flow shell match dialogs windows audio app 2>/dev/null |
                tr '\n' ' ' || true)
        echo "flow/MainFrame.h: $name is not defined in ($files) but in: ${where:-nowhere}" >&2
        status=1
    fi
done <<< "$declarations"

while read -r files; do
    [ -n "$files" ] && [ "$files" != "-" ] || continue
    set -f
    patterns=($files)
    set +f
    for pattern in "${patterns[@]}"; do
        if ! compgen -G "$pattern" > /dev/null; then
            echo "flow/MainFrame.h: a heading names $pattern, which does not exist" >&2
            status=1
        elif [ -z "${used[$files|$pattern]:-}" ]; then
            echo "flow/MainFrame.h: a heading names $pattern, which defines nothing under it" >&2
            status=1
        fi
    done
done < <(cut -f1 <<< "$declarations" | sort -u)

if [ "$status" = 0 ]; then
    echo "flow/MainFrame.h: the index is true" >&2
fi
exit "$status"
