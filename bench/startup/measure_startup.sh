#!/usr/bin/env bash
# Start-up figures of the tutor, as a user sees them:
#  1. launch to visible main window on a later start, under Xvfb, polling xdotool every 10 ms;
#  2. launch to visible wizard on the very first start (empty data folder);
#  3. `clavora --quit-after-load` on the offscreen platform: wall time and peak memory.
# Usage: bench/startup/measure_startup.sh [path/to/clavora] [runs]
set -euo pipefail
program=$(realpath "${1:-build/release/bin/clavora}")
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program work runs

cat > "$work/lib.sh" <<'LIB'
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# Milliseconds from launch until a visible window of the process exists.
time_to_window() {
    local data=$1 start pid now
    start=$(date +%s%N)
    XDG_DATA_HOME=$data XDG_CACHE_HOME=$data/cache "$program" >/dev/null 2>&1 &
    pid=$!
    while ! xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.01; done
    now=$(date +%s%N)
    echo $(( (now - start) / 1000000 ))
    kill "$pid"; wait "$pid" 2>/dev/null || true
}

# Marks the first start of a data folder as done, as an installer or a finished wizard would.
finish_first_run() {
    sqlite3 "$1/Oxley Software/Clavora/registry.sqlite" \
        "INSERT OR REPLACE INTO registry_values(key_id, name, data)
         SELECT id, 'CLFirstRun', '0' FROM registry_keys WHERE path = 'Settings';"
}
LIB

xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    source "$work/lib.sh"
    for i in $(seq "$runs"); do rm -rf "$work/fresh"; mkdir -p "$work/fresh"; time_to_window "$work/fresh"; done \
        | median | sed "s/^/first start to visible wizard, median ms: /"
    mkdir -p "$work/later"
    time_to_window "$work/later" >/dev/null
    finish_first_run "$work/later"
    time_to_window "$work/later" >/dev/null   # warm the caches once
    for i in $(seq "$runs"); do time_to_window "$work/later"; done \
        | median | sed "s/^/later start to visible window, median ms: /"
'

source "$work/lib.sh"
mkdir -p "$work/offscreen"
QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/offscreen" timeout 3 "$program" >/dev/null 2>&1 || true
finish_first_run "$work/offscreen"
for i in $(seq "$runs"); do
    /usr/bin/time -f "%e %M" -o "$work/time.txt" env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/offscreen" \
        XDG_CACHE_HOME="$work/offscreen/cache" "$program" --quit-after-load >/dev/null 2>&1
    cat "$work/time.txt"
done > "$work/quit.txt"
awk '{print $1 * 1000}' "$work/quit.txt" | median | sed 's/^/--quit-after-load wall, median ms: /'
awk '{print $2 / 1024}' "$work/quit.txt" | sort -n | tail -1 | sed 's/^/--quit-after-load peak memory, max MB: /'
