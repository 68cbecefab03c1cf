#!/usr/bin/env bash
# The frame's index check against the tree and against copies of it spoiled in one way each: the
# check passes on the tree and fails, naming the fault, on every spoiled copy. The folders are copied
# once; each case spoils only the header, which is put back from the tree before the next.
set -euo pipefail
source_dir="$1"
check="$source_dir/scripts/check-frame-index.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/tree"
cp -r "$source_dir/flow" "$source_dir/shell" "$source_dir/match" "$work/tree/"
fresh_copy() {
    cp "$source_dir/flow/MainFrame.h" "$work/tree/flow/MainFrame.h"
}

failures=0
expect() {  # expect <name> <pass|fail> <message the check must print, or empty>
    local name="$1" want="$2" message="$3" output status=0
    output=$(bash "$check" "$work/tree" 2>&1) || status=$?
    if [ "$want" = pass ] && [ "$status" != 0 ]; then
        echo "FAIL $name: the check failed on a true index:"; echo "$output"; failures=$((failures + 1))
    elif [ "$want" = fail ] && [ "$status" = 0 ]; then
        echo "FAIL $name: the check passed"; failures=$((failures + 1))
    elif [ -n "$message" ] && ! grep -qF "$message" <<< "$output"; then
        echo "FAIL $name: expected \"$message\" in:"; echo "$output"; failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

header="$work/tree/flow/MainFrame.h"

fresh_copy
expect "the tree's own header" pass ""

# A declaration under the wrong heading: OnConsole belongs to the console input, not to the deal.
fresh_copy
sed -i '/^    void OnConsole();$/d' "$header"
sed -i 's|^    void OnDeal();$|    void OnDeal();\n    void OnConsole();|' "$header"
expect "a declaration under another file's heading" fail "OnConsole is not defined in (flow/Deal.cpp) but in: shell/Console.cpp"

# A heading that names a file which is gone.
fresh_copy
sed -i 's|(flow/Kontra.cpp)|(flow/Kontra.cpp, flow/KontraGone.cpp)|' "$header"
expect "a heading naming a file that does not exist" fail "a heading names flow/KontraGone.cpp, which does not exist"

# A heading that names a file defining nothing under it.
fresh_copy
sed -i 's|(flow/Kontra.cpp)|(flow/Kontra.cpp, flow/Deal.cpp)|' "$header"
expect "a heading naming a file that defines nothing under it" fail "a heading names flow/Deal.cpp, which defines nothing under it"

# A heading without a file list holds a member function defined in a source file.
fresh_copy
sed -i 's|^    // --- Kontra and Rekontra (flow/Kontra.cpp) -*$|    // --- Kontra and Rekontra ---|' "$header"
expect "a heading without files over a defined function" fail "FrameKontra stands under a heading that names no file"

# A two-line heading: the list runs on into the next comment line.
fresh_copy
sed -i 's|^    // --- Kontra and Rekontra (flow/Kontra.cpp) -*$|    // --- Kontra and Rekontra (flow/Deal.cpp, ---\n    // flow/Kontra.cpp) ---|' "$header"
expect "a heading whose list runs on into the next line" fail "a heading names flow/Deal.cpp, which defines nothing under it"

[ "$failures" = 0 ]
