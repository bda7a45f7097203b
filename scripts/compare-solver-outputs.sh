#!/usr/bin/env bash
# Compares every output of two orvandel-solve binaries on the puzzle collections, for changes that
# must leave the outputs byte for byte as they were (speed work, refactoring):
#   scripts/compare-solver-outputs.sh OLD_SOLVER NEW_SOLVER [DATA_FOLDER]
# Plain, --steps, --json, --csv and --json --trace run on the first 3,000 lines of each file, the
# four --techniques forms on the first 30. Prints each difference; exits 1 when there is one.
set -uo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 OLD_SOLVER NEW_SOLVER [DATA_FOLDER]" >&2
    exit 2
fi
old=$1
new=$2
data=${3:-$(dirname "$0")/../data}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
compare() {  # compare COLLECTION FILE MODE...
    local name=$1 file=$2
    shift 2
    "$old" -j 2 "$@" "$file" >"$work/old" 2>&1
    "$new" -j 2 "$@" "$file" >"$work/new" 2>&1
    if ! cmp -s "$work/old" "$work/new"; then
        echo "differs: $name $*"
        status=1
    fi
}
for collection in "$data"/*.txt; do
    head -3000 "$collection" >"$work/many.txt"
    head -30 "$collection" >"$work/few.txt"
    name=$(basename "$collection")
    compare "$name" "$work/many.txt"
    compare "$name" "$work/many.txt" --steps
    compare "$name" "$work/many.txt" --json
    compare "$name" "$work/many.txt" --csv
    compare "$name" "$work/many.txt" --json --trace
    compare "$name" "$work/few.txt" --techniques
    compare "$name" "$work/few.txt" --techniques --steps
    compare "$name" "$work/few.txt" --techniques --json
    compare "$name" "$work/few.txt" --techniques --csv
done
[ $status -eq 0 ] && echo "no differences"
exit $status
