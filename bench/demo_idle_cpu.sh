#!/bin/sh
# The demonstration program left idle under Xvfb (1280 x 1024) for a number of seconds (10 unless
# given): the CPU time it takes per second of run and per frame drawn. An idle program should cost
# only the drawing of its frames, one every 16 ms.
# Usage: demo_idle_cpu.sh <path of tessalin_demo> [seconds]
set -eu
DEMO=$1
RUN_SECONDS=${2:-10}
for tool in xvfb-run xdotool awk; do
    command -v "$tool" >/dev/null 2>&1 || { echo "demo_idle_cpu: $tool is not installed"; exit 1; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cat > "$WORK/drive.sh" <<'DRIVER'
set -eu
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
DEMO=$1; WORK=$2; RUN_SECONDS=$3
cd "$WORK"
now() { date +%s.%N; }
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
"$DEMO" 2>/dev/null &
pid=$!
timeout 20 xdotool search --sync --name "KT Tessalin Kartola" >/dev/null
for i in $(seq 1 200); do grep -q 'while\.\.\.' tk_LOG.txt 2>/dev/null && break; sleep 0.05; done
loop_start=$(now)
# Past the start-up, then the measured stretch.
sleep 1
c0=$(cpu); t0=$(now)
sleep "$RUN_SECONDS"
c1=$(cpu); t1=$(now)
xdotool key Escape
wait $pid
t_end=$(now)
frames=$(sed -n 's/.*frames drawn \[\([0-9]*\)\].*/\1/p' tk_LOG.txt)
awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v ls="$loop_start" -v te="$t_end" \
    -v frames="${frames:-0}" -v hz="$(getconf CLK_TCK)" 'BEGIN {
    cpu = (c1 - c0) / hz; wall = t1 - t0; fps = frames / (te - ls);
    printf "idle demo, %.1f s measured: CPU %.1f ms per second of run (%.1f %% of a core)\n", wall, 1000 * cpu / wall, 100 * cpu / wall;
    if (fps > 0) printf "%.1f frames per second: CPU %.3f ms per frame\n", fps, 1000 * cpu / wall / fps;
}'
DRIVER
xvfb-run -a -s "-screen 0 1280x1024x24" sh "$WORK/drive.sh" "$DEMO" "$WORK" "$RUN_SECONDS"
