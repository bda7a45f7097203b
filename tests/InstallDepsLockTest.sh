#!/usr/bin/env bash
# install-deps.sh waits for a package manager that holds apt's lock instead of failing, and still
# fails at once on any other error. apt-get and dpkg-query are stand-ins on PATH.
set -euo pipefail
script="$1"
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT

printf '#!/bin/sh\necho "unknown ok not-installed"\n' > "$fake/dpkg-query"
cat > "$fake/apt-get" <<'STUB'
#!/bin/sh
calls=$(($(cat "$FAKE/calls" 2>/dev/null || echo 0) + 1))
echo "$calls" > "$FAKE/calls"
if [ "$calls" -le "$FAKE_FAILURES" ]; then echo "$FAKE_ERROR" >&2; exit 100; fi
STUB
chmod +x "$fake/dpkg-query" "$fake/apt-get"

run() {  # failures error -> exit status; apt-get's call count in $fake/calls
    rm -f "$fake/calls"
    PATH="$fake:$PATH" FAKE="$fake" FAKE_FAILURES="$1" FAKE_ERROR="$2" ORVANDEL_APT_RETRY_PAUSE=0 \
        bash "$script" > /dev/null 2>&1
}

run 2 "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 123 (apt-get)"
[ "$(cat "$fake/calls")" -eq 4 ] || { echo "a held lock: expected 3 updates and 1 install"; exit 1; }

if run 1 "E: Unable to locate package qt6-base-dev"; then
    echo "another error must fail the script"; exit 1
fi
[ "$(cat "$fake/calls")" -eq 1 ] || { echo "another error must not be retried"; exit 1; }
echo "ok"
