#!/usr/bin/env bash
# Starts the program from a build folder.
set -euo pipefail
build=${1:-build/default}
top=$(cd "$(dirname "$0")/.." && pwd)
echo "Solving the sample puzzle with the command-line solver:"
"$top/$build/cli/orvandel-solve" --steps "$top/data/sample.sdf"
