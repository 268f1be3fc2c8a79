#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Benchmarks the timer against a minimal Qt Widgets program built in the same run: start-up
# time and peak memory as ratios to that baseline, CPU used while timing, and how close to their
# second the light's colour changes show on screen. Prints a Markdown table and writes it to
# bench/results.md.
#
#   bash bench/run.sh
#   bash bench/run.sh --record   # only what recording a speech and opening the report cost
#                                # (seconds, not minutes)
#   bash bench/run.sh --light    # only the light on ten devices (under a minute)
#   bash bench/run.sh --startup [REF]  # only start-up and memory, and the program as it was at
#                                # the git revision REF measured in the same run
#   bash bench/run.sh --sound    # only how soon a cue follows its lamp (seconds)
#   bash bench/run.sh --agenda   # only the meeting window's longest commands (a minute)
#
# Settings through the environment: LW_BENCH_DIR (build and work folder), LW_BENCH_DISPLAY
# (X display for Xvfb, default :73), LW_BENCH_RUNS (60-second timing runs, default 5),
# LW_BENCH_QUICK_RUNS (start-up and memory runs of each program, default 11),
# LW_BENCH_BLINK_RUNS (60-second runs with the overtime flash on, default 3).
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${LW_BENCH_DIR:-$repo/build/bench}")"
display="${LW_BENCH_DISPLAY:-:73}"
runs="${LW_BENCH_RUNS:-5}"
quick_runs="${LW_BENCH_QUICK_RUNS:-11}"
blink_runs="${LW_BENCH_BLINK_RUNS:-3}"
results="$repo/bench/results.md"
source "$repo/tools/packages.sh"
source "$repo/tools/lib.sh"

# write_section HEADING TEXT: the section under HEADING in bench/results.md, up to the next
# heading, replaced by TEXT (or TEXT added at the end); the other sections kept as they are.
write_section() {
    local kept=""
    [ -f "$results" ] && kept="$(sed "/^$1\$/,/^## /{/^## /!d}" "$results" | sed "/^$1\$/d")"
    printf '%s\n\n%s\n\n%s\n' "$kept" "$1" "$2" >"$results"
}

# measure NAME HEADING TARGET...: builds the targets (Release), runs section_NAME, which prints
# the section's text, and puts that text under HEADING in bench/results.md, the others kept.
measure() {
    local name=$1 heading=$2 text
    shift 2
    mkdir -p "$out"
    cmake -S "$repo" -B "$out/app" -DCMAKE_BUILD_TYPE=Release >"$out/configure-app.log"
    cmake --build "$out/app" --target "$@" -j"$(nproc)" >"$out/build-$name.log"
    text="$("section_$name")"
    write_section "$heading" "$text"
    echo
    echo "$text"
}

# ---- The meeting's record: STOP with and without a speech to record, in one process ----------
section_record() {
    local table
    # On the disk the results live on, where the user's data folder would be, not in memory.
    table="$(TMPDIR="$out" QT_QPA_PLATFORM=offscreen "$out/app/bench/record/lw-bench-record" 2>/dev/null)"
    # Ctrl+T with the same two sizes of record.
    table+=$'\n\n'"$(TMPDIR="$out" QT_QPA_PLATFORM=offscreen "$out/app/bench/report/lw-bench-report" 2>/dev/null)"
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores, Release, offscreen; the record on $(df -T "$out" | awk 'NR == 2 { print $2 }').

$table"
}
measure_record() { measure record "## Recording a speech" lw-bench-record lw-bench-report; }
# ---- The meeting window's longest commands while a speech is timed --------------------------
section_agenda() {
    local rows
    rows="$(TMPDIR="$out" QT_QPA_PLATFORM=offscreen "$out/app/bench/agenda/lw-bench-agenda" 2>/dev/null)"
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores, Release, offscreen; the record on $(df -T "$out" | awk 'NR == 2 { print $2 }'). A speech timed meanwhile; each command judged by the longest the window's thread went without serving a 5 ms tick, from the command until a second after it, in 11 runs; the CPU time is the thread's own in that stall, the rest waiting for the core, which other programs had, or for the disk (load average $(cut -d' ' -f1 /proc/loadavg) as it ended).

| command | median | worst | CPU, median | target | met |
|---|---|---|---|---|---|
$rows"
}
measure_agenda() { measure agenda "## The meeting window's longest commands" lw-bench-agenda; }
# ---- The light on other devices: the window with no device and with ten viewers ------------
section_light() {
    local table home="$out/light-home"
    rm -rf "$home"
    # Its settings, paired viewers and record in the run's own folder, never the user's.
    table="$(XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen \
        "$out/app/bench/light/lw-bench-light" 2>"$out/light.log")"
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores, Release, offscreen, on 127.0.0.1: five FAST runs (lamps at 1, 2 and 3 s) with no device, then five with ten paired viewers (QWebSocket, in a process of their own) connected.

$table"
}
measure_light() { measure light "## The light on ten devices" lw-bench-light; }
# ---- A cue after its lamp: the window with Options ▸ Sounds on -----------------------------
section_sound() {
    local rows home="$out/sound-home"
    local device="a sound device, the audio's start not recorded: the cue is timed to its play call"
    rm -rf "$home"
    # Beside the program, where the window finds the sound module; settings of its own.
    rows="$(XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen \
        "$out/app/app/lw-bench-sound" 2>"$out/sound.log")"
    if grep -q "no sound device" "$out/sound.log"; then
        device="no sound device: the module plays nothing, so the cue is timed to its play call"
    fi
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores, Release, offscreen, with $device. 50 FAST runs, the tick driven by hand; each lamp timed from the moment the light is set.

| measure | median | worst | target | met |
|---|---|---|---|---|
$rows"
}
measure_sound() { measure sound "## A cue after its lamp" lw-bench-sound; }
if [ "${1:-}" = "--sound" ]; then
    lw_install_missing cmake g++ make qt6-base-dev libqt6sql6-sqlite qt6-multimedia-dev \
        qt6-httpserver-dev qt6-websockets-dev libqrencode-dev pkgconf
    measure_sound
    exit 0
fi
if [ "${1:-}" = "--light" ]; then
    lw_install_missing cmake g++ make qt6-base-dev libqt6sql6-sqlite qt6-httpserver-dev \
        qt6-websockets-dev libqrencode-dev pkgconf
    measure_light
    exit 0
fi
if [ "${1:-}" = "--agenda" ]; then
    lw_install_missing cmake g++ make qt6-base-dev libqt6sql6-sqlite
    measure_agenda
    exit 0
fi
if [ "${1:-}" = "--record" ]; then
    lw_install_missing cmake g++ make qt6-base-dev libqt6sql6-sqlite
    measure_record
    exit 0
fi

startup_only=""
before_ref=""
if [ "${1:-}" = "--startup" ]; then
    startup_only=1
    before_ref="${2:-}"
fi

# ---- What the measuring needs ----------------------------------------------------------
"$repo/tools/setup.sh" --tests
# GNU time for peak RSS; Xlib and XTEST headers for the probe that clicks and reads pixels.
lw_install_missing time gcc libx11-dev libxtst-dev

# ---- Builds: the timer and the baseline, both Release, in this run ----------------------
mkdir -p "$out"
cmake -S "$repo" -B "$out/app" -DCMAKE_BUILD_TYPE=Release >"$out/configure-app.log"
cmake --build "$out/app" --target lecternworks-timer lw-layout-points -j"$(nproc)" \
    >"$out/build-app.log"
lw_load_layout "$out/app/tools/layoutpoints/lw-layout-points"
cmake -S "$repo/bench/baseline" -B "$out/baseline" -DCMAKE_BUILD_TYPE=Release >"$out/configure-baseline.log"
cmake --build "$out/baseline" -j"$(nproc)" >"$out/build-baseline.log"
cc -O2 -Wall -Wextra -o "$out/probe" "$repo/bench/probe.c" -lX11 -lXtst
app="$out/app/app/lecternworks-timer"
before=""
if [ -n "$before_ref" ]; then
    # The earlier program from its own sources, built the same way beside this one.
    rm -rf "$out/before-src"
    mkdir -p "$out/before-src"
    git -C "$repo" archive "$before_ref" | tar -x -C "$out/before-src"
    cmake -S "$out/before-src" -B "$out/before" -DCMAKE_BUILD_TYPE=Release >"$out/configure-before.log"
    cmake --build "$out/before" --target lecternworks-timer -j"$(nproc)" >"$out/build-before.log"
    before="$out/before/app/lecternworks-timer"
fi
baseline="$out/baseline/lw-baseline"
probe="$out/probe"
app_title=$LW_TITLE
baseline_title="LecternWorks Baseline Window"

# ---- A private X server ----------------------------------------------------------------
lw_begin
# The timer's remembered choices, in the run's own folder (lw_begin).
settings="$XDG_CONFIG_HOME/lecternworks-timer/lecternworks-timer.conf"
mkdir -p "$(dirname "$settings")"
probe_pid=""
cleanup() {
    # The probe is the measured program's parent: ending the program ends the probe.
    if [ -n "$probe_pid" ] && [ -s "$out/launch.txt" ]; then
        kill "$(cut -d' ' -f1 "$out/launch.txt")" 2>/dev/null || true
    fi
    [ -z "$probe_pid" ] || kill "$probe_pid" 2>/dev/null || true
    lw_cleanup
}
trap cleanup EXIT
lw_start_display "$display" || { echo "set LW_BENCH_DISPLAY to a free display" >&2; exit 1; }

# ---- Helpers ---------------------------------------------------------------------------
# start TITLE CMD...: starts CMD under the probe and waits for its window; sets launched_pid
# (the program, or /usr/bin/time wrapping it), launched_window and launched_ms.
start() {
    local title="$1"
    shift
    rm -f "$out/launch.txt"
    "$probe" launch "$out/launch.txt" "$title" "$@" >>"$out/programs.log" 2>&1 &
    probe_pid=$!
    local until=$((SECONDS + 40))
    while [ ! -s "$out/launch.txt" ]; do
        kill -0 "$probe_pid" 2>/dev/null || { echo "the probe ended: see $out/programs.log" >&2; exit 1; }
        [ $SECONDS -lt $until ] || { echo "no window for $title" >&2; exit 1; }
        sleep 0.05
    done
    read -r launched_pid launched_window launched_ms <"$out/launch.txt"
}
# finish PID: ends the program started last (PID may be a child of it) and waits for it.
finish() {
    kill "$1" 2>/dev/null || true
    wait "$probe_pid" 2>/dev/null || true
    probe_pid=""
}
median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
min() { sort -g | head -1; }
max() { sort -g | tail -1; }

# peak_rss_kib PROGRAM TITLE: peak RSS of the program after its window showed and it settled.
peak_rss_kib() {
    local mem="$out/time.txt" child=""
    rm -f "$mem"
    start "$2" /usr/bin/time -v -o "$mem" "$1"
    # Let it paint and go idle, as a person would see it.
    sleep 1
    child="$(ps -o pid= --ppid "$launched_pid" | tr -d ' ' | head -1)"
    finish "$child"
    awk -F': ' '/Maximum resident set size/ {print $2}' "$mem"
}

# ---- Start-up time and peak memory, interleaved so that both see the same machine state ----
echo "warming up the file cache"
start "$app_title" "$app"
finish "$launched_pid"
start "$baseline_title" "$baseline"
finish "$launched_pid"
: >"$out/startup-app.txt"
: >"$out/startup-baseline.txt"
: >"$out/rss-app.txt"
: >"$out/rss-baseline.txt"
: >"$out/startup-before.txt"
: >"$out/rss-before.txt"
programs=(app baseline)
[ -z "$before" ] || programs=(app before baseline)
declare -A program_file=([app]="$app" [before]="$before" [baseline]="$baseline")
declare -A program_title=([app]="$app_title" [before]="$app_title" [baseline]="$baseline_title")
for i in $(seq "$quick_runs"); do
    # Each round begins with the next program, so that none always follows the same one.
    for k in "${!programs[@]}"; do
        p=${programs[$(((i + k) % ${#programs[@]}))]}
        start "${program_title[$p]}" "${program_file[$p]}"
        echo "$launched_ms" >>"$out/startup-$p.txt"
        finish "$launched_pid"
    done
    for p in "${programs[@]}"; do
        peak_rss_kib "${program_file[$p]}" "${program_title[$p]}" >>"$out/rss-$p.txt"
    done
    echo "start-up/memory run $i of $quick_runs done"
done

su_app="$(median <"$out/startup-app.txt")"
su_base="$(median <"$out/startup-baseline.txt")"
rss_app="$(median <"$out/rss-app.txt")"
rss_base="$(median <"$out/rss-baseline.txt")"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
# paired_ratio A B: the median of each round's ratio of A's run to B's. The machine's load
# drifts within seconds; runs of one round share it, so this is steadier than the ratio of the
# two medians.
paired_ratio() { paste "$1" "$2" | awk '{print $1 / $2}' | median | awk '{printf "%.2f", $1}'; }
yes_no() { awk "BEGIN {print ($1) ? \"yes\" : \"**no**\"}"; }
su_ratio="$(paired_ratio "$out/startup-app.txt" "$out/startup-baseline.txt")"
rss_ratio="$(ratio "$rss_app" "$rss_base")"
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
if [ -n "$startup_only" ]; then
    startup_heading="## Start-up and memory"
    rows="| this tree | $(printf '%.1f' "$su_app") ms | $su_ratio | $(mib "$rss_app") MiB | $rss_ratio |"
    if [ -n "$before" ]; then
        su_before="$(median <"$out/startup-before.txt")"
        rss_before="$(median <"$out/rss-before.txt")"
        rows="| \`$before_ref\` | $(printf '%.1f' "$su_before") ms | $(paired_ratio "$out/startup-before.txt" "$out/startup-baseline.txt") | $(mib "$rss_before") MiB | $(ratio "$rss_before" "$rss_base") |"$'\n'"$rows"
    fi
    table="$(
        cat <<EOF
Measured $(date -u +%Y-%m-%d) on $(nproc) cores, Xvfb without a window manager: medians of $quick_runs runs of each program, interleaved, each round begun by the next; start-up's × baseline is the median of each round's ratio to the baseline. Targets: start-up ≤ 1.05 ×, memory ≤ 1.07 × the baseline.

| program | process start to window mapped | × baseline | peak RSS | × baseline |
|---|---|---|---|---|
| baseline | $(printf '%.1f' "$su_base") ms | 1.00 | $(mib "$rss_base") MiB | 1.00 |
$rows
EOF
    )"
    write_section "$startup_heading" "$table"
    echo
    echo "$table"
    exit 0
fi

# ---- 60 s of timing: CPU and the colour changes seen from outside ----------------------
# The CUSTOM Events row, typed into as the window opens; positions come from the stored layout
# (lw_load_layout).
custom_row=6
green_s=10
yellow_s=60

# timing_runs COUNT RESULTS DIGITS1 DIGITS2 DIGITS3 X1 Y1 X2 Y2 [blink]: COUNT runs of the
# CUSTOM row with the thresholds typed as digits, watching the two client-area points; a line of
# results per run.
timing_runs() {
    local count=$1 results=$2 i b
    local digits=("$3" "$4" "$5") points=("$6" "$7" "$8" "$9") mode=("${@:10}")
    : >"$results"
    for i in $(seq "$count"); do
        start "$app_title" "$app"
        lw_use_window "$launched_window"
        for b in 1 2 3; do
            lw_click_box "$custom_row" "$b"
            lw_key Home
            lw_type "${digits[b - 1]}"
        done
        # Selecting the row converts its thresholds into the run's stage delays.
        lw_click_radio "$custom_row"
        lw_pointer_away
        if ! "$probe" run "$launched_pid" \
            $((LW_ORIGIN_X + LW_START_XY[0])) $((LW_ORIGIN_Y + LW_START_XY[1])) \
            $((LW_ORIGIN_X + points[0])) $((LW_ORIGIN_Y + points[1])) \
            $((LW_ORIGIN_X + points[2])) $((LW_ORIGIN_Y + points[3])) \
            "$green_s" "$yellow_s" "${mode[@]}" >"$out/run-$i.txt"; then
            finish "$launched_pid"
            echo "timing run $i failed" >&2
            exit 1
        fi
        finish "$launched_pid"
        awk -F= '{v[$1] = $2} END {print v["green_ms"], v["green_resolution_ms"], v["yellow_ms"],
            v["yellow_resolution_ms"], v["cpu_ticks"], v["clk_tck"]}' "$out/run-$i.txt" >>"$results"
        echo "timing run $i of $count ${mode[*]}: $(tr '\n' ' ' <"$out/run-$i.txt")"
    done
}

# Green at 00:10, yellow at 01:00, red at 01:05 (typed as digits; the colon is fixed).
: >"$settings"
timing_runs "$runs" "$out/timing.txt" 0010 0100 0105 \
    "${LW_LAMP_X[0]}" "$LW_LAMP_Y" "${LW_LAMP_X[1]}" "$LW_LAMP_Y"
# Flash When Over Time with no grace, red at 3 s: the red lamp is drawn dark in every even
# second from 4 s, so at 10 s and at 60 s.
printf '[light]\nflashWhenOverTime=true\n\n[record]\ngraceSeconds=0\n' >"$settings"
timing_runs "$blink_runs" "$out/blink.txt" 0001 0002 0003 \
    "${LW_LAMP_X[2]}" "$LW_LAMP_Y" "${LW_LAMP_X[2]}" "$LW_LAMP_Y" blink

# ---- The table -------------------------------------------------------------------------
col() { awk -v c="$1" '{print $c}' "$2"; }
clk_tck="$(col 6 "$out/timing.txt" | head -1)"
cpu_pct="$(col 5 "$out/timing.txt" | awk -v t="$clk_tck" '{print 100 * $1 / t / 60}' | median)"
cpu_pct_max="$(col 5 "$out/timing.txt" | awk -v t="$clk_tck" '{print 100 * $1 / t / 60}' | max)"
blink_cpu_max="$(col 5 "$out/blink.txt" | awk -v t="$clk_tck" '{print 100 * $1 / t / 60}' | max)"
cpu_res="$(awk -v t="$clk_tck" 'BEGIN {printf "%.3f", 100 / t / 60}')"
err10="$(awk -v d="$green_s" '{print $1 - 1000 * d}' "$out/timing.txt")"
err60="$(awk -v d="$yellow_s" '{print $3 - 1000 * d}' "$out/timing.txt")"
drift="$(awk -v g="$green_s" -v y="$yellow_s" '{print ($3 - 1000 * y) - ($1 - 1000 * g)}' "$out/timing.txt")"
abs() { awk '{print ($1 < 0) ? -$1 : $1}'; }
res10="$(col 2 "$out/timing.txt" | max)"
res60="$(col 4 "$out/timing.txt" | max)"
blink10="$(awk -v d="$green_s" '{print $1 - 1000 * d}' "$out/blink.txt")"
blink60="$(awk -v d="$yellow_s" '{print $3 - 1000 * d}' "$out/blink.txt")"

worst10="$(abs <<<"$err10" | max)"
worst60="$(abs <<<"$err60" | max)"
worst_drift="$(abs <<<"$drift" | max)"
worst_blink="$(printf '%s\n%s\n' "$blink10" "$blink60" | abs | max)"
fmt() { awk '{printf "%+.1f\n", $1}'; }
range() { echo "$(min <<<"$1" | fmt) … $(max <<<"$1" | fmt)"; }

table="$(
    cat <<EOF
Measured $(date -u +%Y-%m-%d) on $(nproc) cores, Qt $(dpkg-query -W -f='${Version}' libqt6core6 | sed 's/[+-].*//'), Xvfb $display without a window manager. Start-up and memory: medians of $quick_runs runs of each program, interleaved (start-up's ratio: the median of each round's ratio to the baseline); timing: medians of $runs runs of 60 s, and of $blink_runs with the overtime flash on.

| measure | LecternWorks Timer | baseline | ratio | target | met |
|---|---|---|---|---|---|
| process start to window mapped | $(printf '%.1f' "$su_app") ms | $(printf '%.1f' "$su_base") ms | $su_ratio | ≤ 1.05 × baseline | $(yes_no "$su_ratio <= 1.05") |
| peak RSS (\`/usr/bin/time -v\`) | $(awk -v k="$rss_app" 'BEGIN {printf "%.1f", k / 1024}') MiB | $(awk -v k="$rss_base" 'BEGIN {printf "%.1f", k / 1024}') MiB | $rss_ratio | ≤ 1.07 × baseline | $(yes_no "$rss_ratio <= 1.07") |
| CPU during 60 s of timing | $(printf '%.3f' "$cpu_pct") % of one core (max $(printf '%.3f' "$cpu_pct_max") %, step $cpu_res %) | – | – | < 0.2 % | $(yes_no "$cpu_pct_max < 0.2") |
| CPU during 60 s, the red lamp flashing from 4 s | max $(printf '%.3f' "$blink_cpu_max") % of one core | – | – | < 0.2 % | $(yes_no "$blink_cpu_max < 0.2") |
| green lamp lit, due at ${green_s} s | $(printf '%+.1f' "$(median <<<"$err10")") ms (range $(range "$err10") ms) | – | – | within 20 ms | $(yes_no "$worst10 <= 20") |
| yellow lamp lit, due at ${yellow_s} s | $(printf '%+.1f' "$(median <<<"$err60")") ms (range $(range "$err60") ms) | – | – | within 20 ms | $(yes_no "$worst60 <= 20") |
| red lamp drawn dark by the overtime flash, due at ${green_s} s | $(printf '%+.1f' "$(median <<<"$blink10")") ms (range $(range "$blink10") ms) | – | – | within 20 ms | $(yes_no "$worst_blink <= 20") |
| the same, due at ${yellow_s} s | $(printf '%+.1f' "$(median <<<"$blink60")") ms (range $(range "$blink60") ms) | – | – | within 20 ms | $(yes_no "$worst_blink <= 20") |
| change at ${yellow_s} s less change at ${green_s} s | $(printf '%+.1f' "$(median <<<"$drift")") ms (range $(range "$drift") ms) | – | – | same (within 5 ms) | $(yes_no "$worst_drift <= 5") |

Colour changes are timed from START's button release to the first screen sample with the lamp lit; polling resolution (largest gap between the last dark and the first lit sample): $(printf '%.3f' "$res10") ms at ${green_s} s, $(printf '%.3f' "$res60") ms at ${yellow_s} s.
EOF
)"
# shellcheck disable=SC2016 # the backquotes are Markdown
printf '# Benchmark results\n\nWritten by `bash bench/run.sh`.\n\n%s\n' "$table" >"$results"
echo
echo "$table"
measure_record
measure_light
measure_sound
measure_agenda
