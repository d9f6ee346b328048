#!/bin/sh
# The presentation benchmark inside Xvfb at 1920 x 1080: bench_present measures its own CPU time
# and the X server's per presented frame; this script finds the server's process id for it.
# Usage: present_cpu.sh <path of bench_present>
set -eu
command -v xvfb-run >/dev/null 2>&1 || { echo "present_cpu: xvfb-run is not installed"; exit 1; }
# Inside xvfb-run the server is a child of the same xvfb-run shell as the command.
xvfb-run -a -s "-screen 0 1920x1080x24" sh -c \
    'export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy; exec "$0" "$(pgrep -P "$PPID" -x Xvfb)"' "$1"
