#!/bin/sh
# A program left idle under Xvfb: the CPU time of the program and the X server together per second
# of wall time (utime + stime of both from /proc), and per frame drawn.
#   idle_cpu.sh demo <tessalin_demo> [seconds]   the demonstration program at 1280 x 1024, 10 s
#   idle_cpu.sh game <kartola> <card sets folder> [seconds]
#       the game at 1920 x 1080 from a copy of the card sets: its start-up (process start to the
#       backend's "first frame shown" line on standard error, over six starts or $STARTS, after a
#       warm-up run that leaves the thumbnails and settings made), VmHWM ten seconds after the last
#       start, then idle for 20 s (unless given) with the banner flying, and again after the banner
#       was clicked away; last, a card dragged to and fro across the table for 5 s.
set -eu
MODE=$1
EXE=$(realpath "$2")
for tool in xvfb-run xdotool xwd convert md5sum awk; do
    command -v "$tool" >/dev/null 2>&1 || { echo "idle_cpu: $tool is not installed"; exit 1; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
if [ "$MODE" = game ]; then
    SETS=$3
    RUN_SECONDS=${4:-20}
    SCREEN=1920x1080
    cp -r "$SETS" "$WORK/sets"
    mkdir -p "$WORK/sets/hra"
    RUN_DIR="$WORK/sets/hra"
else
    RUN_SECONDS=${3:-10}
    SCREEN=1280x1024
    RUN_DIR="$WORK"
fi
cat > "$WORK/drive.sh" <<'DRIVER'
set -eu
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
MODE=$1; EXE=$2; RUN_SECONDS=$3; RUN_DIR=$4
# The server is a child of the same xvfb-run shell as this script.
xpid=$(pgrep -P "$PPID" -x Xvfb)
cd "$RUN_DIR"
now() { date +%s.%N; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
cpu() { echo $(( $(ticks "$pid") + $(ticks "$xpid") )); }
hz=$(getconf CLK_TCK)
# Prints "what: CPU ... per second of run" over a stretch of RUN_SECONDS.
measure() {
    c0=$(cpu); t0=$(now)
    sleep "$RUN_SECONDS"
    c1=$(cpu); t1=$(now)
    awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$hz" -v what="$1" 'BEGIN {
        cpu = (c1 - c0) / hz; wall = t1 - t0;
        printf "%s, %.1f s: program + X server CPU %.1f ms per second (%.2f %% of a core)\n", what, wall, 1000 * cpu / wall, 100 * cpu / wall;
    }'
}
# Starts the program with its standard error read line by line; the arrival of the backend's first
# frame line is stamped as it comes.
start() {
    rm -f first first_cpu err.fifo pid
    mkfifo err.fifo
    (while IFS= read -r line; do
        case $line in *"first frame shown"*)
            [ -f first ] || { now > first; ticks "$(cat pid)" > first_cpu; } ;;
        esac
    done < err.fifo) &
    t_start=$(now)
    "$EXE" 2> err.fifo &
    pid=$!
    echo $pid > pid
    timeout 20 xdotool search --sync --name "^Kartola$" >/dev/null
    for i in $(seq 1 200); do grep -q 'while\.\.\.' tk_LOG.txt 2>/dev/null && break; sleep 0.05; done
}
stop() {
    xdotool key Escape
    wait $pid
}
# The rows the banner flies through, as a checksum of the screen.
banner_rows() { xwd -root -silent | convert xwd:- -crop 1920x40+0+30 ppm:- | md5sum; }

if [ "$MODE" = demo ]; then
    start
    loop_start=$(now)
    sleep 1
    measure "idle demo"
    stop
    t_end=$(now)
    frames=$(sed -n 's/.*frames drawn \[\([0-9]*\)\].*/\1/p' tk_LOG.txt)
    awk -v frames="${frames:-0}" -v ls="$loop_start" -v te="$t_end" 'BEGIN {
        if (frames > 0) printf "%.1f frames per second\n", frames / (te - ls) }'
    exit 0
fi
# The game: a warm-up run makes the thumbnails and the settings file, and fills the file cache.
start
sleep 2
stop
# Start-up is timed over several starts (the last one is the run measured below): the aim holds for
# every run, so the slowest counts.
STARTS=${STARTS:-6}
starts=""
for n in $(seq 1 "$STARTS"); do
    start
    for i in $(seq 1 100); do [ -f first ] && break; sleep 0.05; done
    if [ -f first ]; then
        starts="$starts $(awk -v s="$t_start" -v f="$(cat first)" -v c="$(cat first_cpu)" -v hz="$hz" 'BEGIN {
            printf "%.0f/%.0f", 1000 * (f - s), 1000 * c / hz }')"
    else
        starts="$starts none"
    fi
    [ "$n" -lt "$STARTS" ] && stop
done
sleep 10
hwm=$(awk '/VmHWM/ { print $2 / 1024 }' "/proc/$pid/status")
echo "$starts" | awk '{
    max = 0; for (i = 1; i <= NF; i++) { split($i, a, "/"); if (a[1] + 0 > max) max = a[1] + 0 }
    printf "start-up to the first frame shown, %d starts (ms / its own CPU ms):%s; slowest %d ms\n", NF, $0, max }'
printf "VmHWM after 10 s: %.1f MB\n" "$hwm"
measure "idle game, banner flying"
# The banner crosses the middle of the screen once in each ~22 s of flight: click there until then.
# Each click comes after a move of one pixel: the banner takes a press only once the pointer has
# moved onto it, and a pointer standing still while the banner flies under it has not.
for i in $(seq 1 115); do xdotool mousemove "$(( 960 + i % 2 ))" 65 click 1; sleep 0.2; done
# The pointer leaves the banner's rows, where its own picture would change them.
xdotool mousemove 960 1070
sleep 1
b0=$(banner_rows)
measure "idle game, banner gone"
b1=$(banner_rows)
[ "$b0" = "$b1" ] || echo "(the banner's rows still changed: it may still be flying)"
# The first card, where the scatter logged it, taken by its middle and swept left and right across
# the table, 50 pointer moves a second, as a child's hand would move it.
set -- $(sed -n 's/.*: karta \[0\] \[\(-*[0-9]*\)\] \[\(-*[0-9]*\)\].*/\1 \2/p' tk_LOG.txt | tail -n 1)
if [ $# -eq 2 ]; then
    gx=$(( $1 + 75 )); gy=$(( $2 + 50 ))
    xdotool mousemove "$gx" "$gy"
    sleep 0.3
    xdotool mousedown 1
    c0=$(cpu); t0=$(now)
    step=0
    while awk -v t0="$t0" -v t="$(now)" 'BEGIN { exit !(t - t0 < 5) }'; do
        offset=$(( (step % 100) < 50 ? (step % 100) * 12 : (100 - step % 100) * 12 ))
        xdotool mousemove "$(( 300 + offset ))" "$(( 300 + (step % 50) * 8 ))"
        step=$((step + 1))
        sleep 0.02
    done
    c1=$(cpu); t1=$(now)
    xdotool mouseup 1
    awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$hz" -v n="$step" 'BEGIN {
        cpu = (c1 - c0) / hz; wall = t1 - t0;
        printf "dragging a card, %.1f s, %d moves: program + X server CPU %.1f ms per second (%.2f %% of a core)\n", wall, n, 1000 * cpu / wall, 100 * cpu / wall;
    }'
else
    echo "drag: the log names no place of the first card"
fi
stop
t_end=$(now)
frames=$(sed -n 's/.*frames drawn \[\([0-9]*\)\].*/\1/p' tk_LOG.txt)
awk -v frames="${frames:-0}" -v s="$t_start" -v te="$t_end" 'BEGIN {
    if (frames > 0) printf "%.1f frames drawn per second over the run\n", frames / (te - s) }'
DRIVER
xvfb-run -a -s "-screen 0 ${SCREEN}x24" sh "$WORK/drive.sh" "$MODE" "$EXE" "$RUN_SECONDS" "$RUN_DIR"
