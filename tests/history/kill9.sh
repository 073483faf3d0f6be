#!/usr/bin/env bash
# Kills a process writing the history file with SIGKILL at a random moment, over and over on the
# same file, and checks after each kill that the file opens, passes SQLite's integrity check and
# holds every pass the writer had reported committed (so at most the pass being written is lost).
# A file that fails is kept beside the count for a look and the next run starts a new one, so one
# fault does not hide how often it happens. Exits 1 when any run failed.
# Usage: kill9.sh HISTORYSIM [RUNS]      (HISTORYSIM is build/tools/historysim)
set -euo pipefail
sim=$1
runs=${2:-100}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
db=$dir/ZIBhistory.db
next=1772409600
sound=0
failed=0
for ((run = 1; run <= runs; run++)); do
    # Each run goes on from the last pass the file holds, so kills fall on aging and on a file
    # of some size as well as on plain passes.
    "$sim" "$db" --forever --servers 60 --interval 30 --days 1 --end $((next + 86400)) >"$dir/out" 2>"$dir/err" &
    pid=$!
    sleep "$(awk -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.3f", 0.05 + rand() * 1.2 }')"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    reported=$(tail -n 1 "$dir/out" || true)
    result=$(python3 - "$db" "${reported:-0}" <<'PY'
import sqlite3, sys
db, reported = sys.argv[1], int(sys.argv[2])
con = sqlite3.connect(db)
check = con.execute("PRAGMA integrity_check").fetchone()[0]
last = con.execute("SELECT coalesce(max(t), 0) FROM samples").fetchone()[0]
aged = con.execute("SELECT count(*) FROM buckets").fetchone()[0]
if check != "ok":
    print("integrity: " + check); sys.exit(1)
if last < reported:
    print(f"lost passes: the writer reported {reported}, the file ends at {last}"); sys.exit(1)
if reported and last > reported + 30:
    print(f"more than one pass past the last reported: {last} after {reported}"); sys.exit(1)
print(f"ok {last} {aged}")
PY
    ) || {
        echo "run $run: $result"
        cat "$dir/err"
        failed=$((failed + 1))
        keep=${TMPDIR:-/tmp}/zib-kill9-run$run.db
        cp "$db" "$keep" 2>/dev/null && echo "(the file is kept as $keep)"
        rm -f "$db" "$db-wal" "$db-shm"
        next=1772409600
        continue
    }
    last=$(echo "$result" | cut -d' ' -f2)
    [ "$last" -gt 0 ] && next=$((last + 30))
    sound=$((sound + 1))
done
echo "$sound of $runs kills left a sound file with every reported pass (last pass $(echo "$result" | cut -d' ' -f2), $(echo "$result" | cut -d' ' -f3) day rows aged)"
[ "$failed" -eq 0 ]
