#!/usr/bin/env bash
# The layer check must name a forbidden include however it is spelt: on a copy of the layers with
# one planted at a time, it must fail and print the planted line; on the clean copy it must pass.
set -uo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source"/{engine,storage,model,dialogs,window,app,cli} "$work"/
check() { bash "$source/tests/LayerIncludesTest.sh" "$work" 2>&1; }
if ! check >/dev/null; then
    echo "the clean copy fails the check"
    exit 1
fi
failed=0
plant() {  # FILE LINE: the check must report LINE once it stands in FILE
    cp "$work/$1" "$work/$1.clean"
    echo "$2" >>"$work/$1"
    local report
    if report=$(check) || ! grep -qF "$2" <<<"$report"; then
        echo "not caught: $2 in $1"
        failed=1
    fi
    mv "$work/$1.clean" "$work/$1"
}
plant window/SuDokuDlg.cpp '#include <Engine.h>'
plant window/SuDokuDlg.cpp '#include "solver/SuDokuBoard.h"'
plant model/PuzzleModel.cpp '#include <techniques/TechniqueLadder.h>'
plant cli/BatchSolver.cpp '#include "GridSets.h"'
plant dialogs/AboutDlg.cpp '#include <BoardFile.h>'
plant app/main.cpp '#include <Puzzle.h>'
exit $failed
