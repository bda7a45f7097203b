#!/usr/bin/env bash
# No folder includes a header of a folder above it: engine < storage < model < dialogs < window < app,
# with cli on model; the windows reach the engine and the files only through the model, but for
# the two value types the model hands up (Puzzle, Difficulty), and the application object not even
# through those; the layers above the engine include of it only its public header, Engine.h, and
# those two. The settings file is reached in one place. Prints each offending include and fails if
# there is one.
set -euo pipefail
cd "$1"
layers=(engine storage model dialogs window app)
failed=0
headers_of() { find "$1" -maxdepth 3 -name '*.h' ! -name Puzzle.h ! -name Difficulty.h -printf '%f\n'; }
# An include of the header however spelt: in quotes or angle brackets, with or without a folder.
includes() { grep -HnE "#include *[\"<]([^\">]*/)?${1//./\\.}[\">]" "${@:2}" 2>/dev/null; }
check() {  # folder, then the folders it must not include from
    local folder=$1; shift
    for above in "$@"; do
        for header in $(headers_of "$above"); do
            if includes "$header" "$folder"/*.cpp "$folder"/*.h; then
                echo "  ^ $folder includes $above/$header"
                failed=1
            fi
        done
    done
}
for ((i = 0; i < ${#layers[@]}; i++)); do
    check "${layers[$i]}" "${layers[@]:$((i + 1))}"
done
check cli dialogs window app
for folder in dialogs window app; do
    check "$folder" storage engine
done
if includes Puzzle.h app/* || includes Difficulty.h app/*; then
    echo "  ^ app includes from engine"
    failed=1
fi
if grep -ln 'QSettings' ./*/*.cpp ./*/*.h | grep -v -e '^./window/ProfileSettings' -e '^./tests/'; then
    echo "  ^ QSettings outside window/ProfileSettings"
    failed=1
fi
for folder in storage model cli; do
    for header in $(headers_of engine); do
        if [[ $header != Engine.h ]] && includes "$header" "$folder"/*.cpp "$folder"/*.h; then
            echo "  ^ $folder includes engine/$header, which is the engine's own"
            failed=1
        fi
    done
done
# Qt stays out of the layers below the windows and out of the command-line solver.
if grep -rHn '#include <Q' engine storage model cli; then
    echo "  ^ Qt below the windows"
    failed=1
fi
exit $failed
