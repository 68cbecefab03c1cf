#!/usr/bin/env bash
# The main frame's header is its index: each section heading names the files that define what
# stands under it. Fails for a member function defined in none of its heading's files, for a file
# a heading names that does not exist or defines nothing under it, and for a member function of
# the frame declared under no heading.
#   scripts/check-frame-index.sh [source folder]
set -euo pipefail
export LC_ALL=C
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

# The files each heading names, one line per pattern and file it stands for:
# "heading files<TAB>pattern<TAB>file" ("" for a pattern no file matches), in the heading's order.
expansions=$(cut -f1 <<< "$declarations" | sort -u | while IFS= read -r files; do
    [ -n "$files" ] && [ "$files" != "-" ] || continue
    set -f
    patterns=($files)
    set +f
    for pattern in "${patterns[@]}"; do
        matched=0
        for file in $pattern; do
            [ -f "$file" ] || continue
            printf '%s\t%s\t%s\n' "$files" "$pattern" "$file"
            matched=1
        done
        [ "$matched" = 1 ] || printf '%s\t%s\t\n' "$files" "$pattern"
    done
done)

# Every definition of a frame member, "file<TAB>name", from one reading of the files the headings
# name and of the source files of the folders that may define one.
sources=$( { cut -f3 <<< "$expansions"
             find flow shell match dialogs windows audio app -name '*.cpp' -type f 2>/dev/null || true
           } | awk 'NF' | sort -u)
definitions=""
if [ -n "$sources" ]; then
    definitions=$(printf '%s\n' "$sources" | xargs -r -d '\n' grep -HoE \
                      '(^|[^A-Za-z0-9_])CMainFrame::[A-Za-z_][A-Za-z0-9_]* *\(' /dev/null |
                  sed -E 's/^([^:]*):.*CMainFrame::([A-Za-z0-9_]*).*/\1\t\2/' || true)
fi

# Each declaration is looked for in its heading's files in their order; a heading's pattern is
# used when a declaration under it is defined first in one of its files.
status=0
awk -F'\t' -v expansionsfile=<(printf '%s\n' "$expansions") \
    -v definitionsfile=<(printf '%s\n' "$definitions") '
    BEGIN {
        while ((getline line < expansionsfile) > 0) {
            if (split(line, e, "\t") < 2) continue
            key = e[1] SUBSEP e[2]
            if (!(key in seen)) { seen[key] = 1; np[e[1]]++; pattern[e[1], np[e[1]]] = e[2] }
            if (e[3] != "") { nf[key]++; file[key, nf[key]] = e[3] }
        }
        while ((getline line < definitionsfile) > 0) {
            if (split(line, d, "\t") < 2) continue
            defines[d[1], d[2]] = 1
            if (d[1] ~ /^(flow|shell|match|dialogs|windows|audio|app)\/.*\.cpp$/ && !((d[2], d[1]) in listed)) {
                listed[d[2], d[1]] = 1
                where[d[2]] = where[d[2]] (where[d[2]] == "" ? "" : " ") d[1]
            }
        }
        status = 0
    }
    {
        files = $1; name = $2; inline_body = $3
        if (name == "" || name == "CMainFrame" || name == "~CMainFrame") next
        if (files == "-") {
            if (inline_body != 1) { print "flow/MainFrame.h: " name " stands under a heading that names no file"; status = 1 }
            next
        }
        if (inline_body == 1) next
        found = 0
        for (p = 1; p <= np[files] && !found; p++) {
            key = files SUBSEP pattern[files, p]
            for (f = 1; f <= nf[key]; f++)
                if ((file[key, f], name) in defines) { found = 1; used[key] = 1; break }
        }
        if (!found) {
            print "flow/MainFrame.h: " name " is not defined in (" files ") but in: " (name in where ? where[name] : "nowhere")
            status = 1
        }
    }
    END {
        # Each heading, in the order of its file list, names files that exist and define something.
        n = 0
        for (files in np) order[++n] = files
        for (i = 2; i <= n; i++) { v = order[i]; for (j = i - 1; j >= 1 && order[j] > v; j--) order[j + 1] = order[j]; order[j + 1] = v }
        for (i = 1; i <= n; i++) {
            files = order[i]
            for (p = 1; p <= np[files]; p++) {
                key = files SUBSEP pattern[files, p]
                if (nf[key] == 0) { print "flow/MainFrame.h: a heading names " pattern[files, p] ", which does not exist"; status = 1 }
                else if (!(key in used)) { print "flow/MainFrame.h: a heading names " pattern[files, p] ", which defines nothing under it"; status = 1 }
            }
        }
        exit status
    }' <<< "$declarations" >&2 || status=$?

if [ "$status" = 0 ]; then
    echo "flow/MainFrame.h: the index is true" >&2
fi
exit "$status"
