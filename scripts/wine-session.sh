#!/usr/bin/env bash
# Usage: wine-session.sh start|stop BUILD_DIR NIVOSIM
# start: serves a simulated K417 (the Linux nivosim) on a pseudo-terminal, maps wine's COM1 to
#        it and starts the private wine prefix BUILD_DIR/wine once, so that the tests' wine runs
#        find a running wineserver instead of starting services that hold their output pipes.
# stop:  ends wine first, then the simulator: wine must not see its pty close under it.
set -euo pipefail
action="$1"
build="$(cd "$2" && pwd)"
nivosim="${3:-}"
export WINEPREFIX="$build/wine"
export WINEDEBUG=-all
link="$build/wine-com1"
pidfile="$build/nivosim.pid"
log="$build/wine-session.log"

stop_simulator() {
    [ -f "$pidfile" ] || return 0
    local pid
    pid="$(cat "$pidfile")"
    rm -f "$pidfile"
    kill -TERM "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
}

start_simulator() {
    stop_simulator
    rm -f "$link"
    "$nivosim" --link "$link" </dev/null >"$build/nivosim.out" 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 100); do [ -e "$link" ] && return 0; sleep 0.1; done
    echo "nivosim did not start:" >&2
    cat "$build/nivosim.out" >&2
    exit 1
}

# wineserver and the services wineboot starts outlive this script: they get no descriptor of
# the caller (ctest would wait for its output pipe to close), only the log file.
start_wine() {
    mkdir -p "$WINEPREFIX"
    timeout 60 wineserver -p
    timeout 300 wineboot -i
    # The mount manager reads the port mapping when wine starts, so set it, then start again.
    timeout 60 wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$link" /f
    timeout 60 wineserver -k || true
    timeout 60 wineserver -w || true
    timeout 60 wineserver -p
    timeout 300 wineboot
}

case "$action" in
start)
    start_simulator
    start_wine </dev/null >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
    echo "wine prefix $WINEPREFIX started; COM1 is $(readlink "$link")"
    ;;
stop)
    { timeout 60 wineserver -k; timeout 60 wineserver -w; } </dev/null >>"$log" 2>&1 || true
    stop_simulator
    ;;
*)
    echo "usage: $0 start|stop BUILD_DIR NIVOSIM" >&2
    exit 2
    ;;
esac
