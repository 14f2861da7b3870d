#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a build into a temporary prefix, checks the layout and the desktop
# files, then starts the installed program through its launcher on a virtual
# display, tosses once by keyboard and checks that the coin pictures were read
# from beside the real executable. Usage: check_install.sh BUILD_DIR
set -euo pipefail
# A machine without one of the tools cannot run the check: ctest reports it as
# skipped (exit status 77), naming what is missing.
missing=()
for tool in desktop-file-validate appstreamcli Xvfb xdotool strace man; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ "${#missing[@]}" -ne 0 ]; then
    echo "SKIP: the install check needs ${missing[*]} (Debian: desktop-file-utils," \
        "appstream, xvfb, xdotool, strace, man-db)" >&2
    exit 77
fi
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
pids=()
group=""
# Every process this test starts carries this mark in its environment. The
# script, its pipelines and Xvfb share the script's process group; what else
# carries the mark was started by the program.
export HEXACLE_INSTALL_TEST="$work"
own_group="$(ps -o pgid= -p $$ | tr -d ' ')"
marked() {
    local e pid stat pgid
    for e in $(grep -lzx "HEXACLE_INSTALL_TEST=$work" /proc/[0-9]*/environ 2>/dev/null); do
        pid="${e#/proc/}" pid="${pid%/environ}"
        stat="$(cat "/proc/$pid/stat" 2>/dev/null)" || continue
        # Fields after the command name: state, parent, process group.
        read -r _ _ pgid _ <<<"${stat##*) }"
        [ "$pgid" = "$own_group" ] || echo "$pid"
    done
}
cleanup() {
    set +e
    [ -z "$group" ] || kill -KILL -- "-$group" 2>/dev/null || true
    # Whatever left the group (a daemon starts a session of its own).
    kill -KILL $(marked) 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

app=org.hexacle.Hexacle
for f in bin/hexacle lib/hexacle/HexacleFree lib/hexacle/pics/heads.gif \
    lib/hexacle/pics/tails.gif share/applications/$app.desktop \
    share/metainfo/$app.metainfo.xml share/icons/hicolor/scalable/apps/$app.svg; do
    [ -e "$prefix/$f" ] || fail "$f not installed"
done
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/$app.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    # PNG header: width and height are big-endian words at bytes 16 and 20.
    dims="$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')"
    [ "$dims" = " $size $size" ] || fail "${size}px icon is$dims"
done
[ -L "$prefix/bin/hexacle" ] || fail "bin/hexacle is no link"
real="$(readlink -f "$prefix/bin/hexacle")"
[ "$real" = "$prefix/lib/hexacle/HexacleFree" ] || fail "bin/hexacle leads to $real"
[ -x "$real" ] || fail "$real is not executable"
[ -f "$(dirname "$real")/pics/heads.gif" ] || fail "no pics/ beside $real"

# The manual page renders without a word from groff, and says what it must.
page="$prefix/share/man/man1/hexacle.1.gz"
[ -f "$page" ] || fail "share/man/man1/hexacle.1.gz not installed"
MANWIDTH=80 man --warnings -l "$page" >"$work/man.txt" 2>"$work/man.err" || fail "man -l $page"
[ ! -s "$work/man.err" ] || { cat "$work/man.err"; fail "the manual page renders with warnings"; }
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS FILES 'EXIT STATUS'; do
    grep -qx "$heading" "$work/man.txt" || fail "the manual page has no $heading"
done
for text in 'takes no options' 'pics/heads.gif' 'pics/tails.gif' '~/.config/HexacleFree/HexacleFree.ini'; do
    grep -qF -- "$text" "$work/man.txt" || fail "the manual page does not say $text"
done
for f in copyright changelog.gz; do
    [ -f "$prefix/share/doc/hexacle/$f" ] || fail "share/doc/hexacle/$f not installed"
done

desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry"
grep -qx 'Exec=hexacle' "$prefix/share/applications/$app.desktop" || fail "Exec= line"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log"; fail "metainfo"; }

# The launch: a fresh settings folder (so no reminder question) and a fresh
# runtime folder (so no other copy's lock), on a display of our own.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec 3<> <(:)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 display <&3 || fail "Xvfb did not start"
exec 3>&-
export DISPLAY=":$display"

# No session bus: with none set, the program's D-Bus library would start one
# through dbus-launch where that is installed, a daemon that outlives the
# program and that strace -f would follow and wait for. An address that leads
# nowhere stops that, with or without dbus-launch.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
cd "$work"
# In a process group of its own (a background job here is no group leader, so
# setsid does not fork), so that everything it starts can be ended together.
PATH="$prefix/bin:$PATH" setsid strace -f -qq -e trace=openat -o "$work/opens.log" hexacle \
    >"$work/app.log" 2>&1 &
tracer=$!
group=$tracer
pids+=("$tracer")
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Hexacle v' | head -n1)" ||
    { cat "$work/app.log"; fail "the Reading window did not appear"; }
pid="$(xdotool getwindowpid "$window")"
[ "$(readlink -f "/proc/$pid/exe")" = "$real" ] || fail "the window is not the installed program's"

# One toss by its access key; the handler reads three coin faces from disk.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+t
for _ in $(seq 50); do
    grep -qE 'pics/(heads|tails)\.gif", O_RDONLY[^)]*\) = [0-9]' "$work/opens.log" && break
    sleep 0.1
done
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/app.log"; fail "the program ended by itself"; }
kill -TERM "$pid"
# The tracer ends with the program; a bounded wait (an ended child stays a
# zombie until waited for, so its state is read, not just its existence).
for _ in $(seq 100); do
    state="$(awk '{print $3}' "/proc/$tracer/stat" 2>/dev/null)" || true
    [ -z "$state" ] || [ "$state" = Z ] && break
    sleep 0.1
done
[ -z "$state" ] || [ "$state" = Z ] || {
    ps -o pid,pgid,args -p "$(marked | paste -sd, -)" 2>/dev/null || true
    fail "the tracer did not end within 10 seconds of the program's kill"
}
status=0
wait "$tracer" || status=$?
[ "$status" -eq 143 ] || { cat "$work/app.log"; fail "the program ended with status $status, not by the kill"; }
left="$(marked)"
if [ -n "$left" ]; then
    ps -o pid,pgid,args -p "$(paste -sd, - <<<"$left")" || true
    fail "processes started by the program outlived it"
fi

pics="$(dirname "$real")/pics"
grep -E 'pics/(heads|tails)\.gif"' "$work/opens.log" >"$work/pics.log" || true
grep -qE "\"$pics/(heads|tails)\.gif\", O_RDONLY[^)]*\) = [0-9]" "$work/pics.log" ||
    { cat "$work/app.log" "$work/pics.log"; fail "no coin picture read from $pics"; }
if grep -q '= -1' "$work/pics.log"; then
    cat "$work/pics.log"
    fail "a coin picture could not be opened"
fi
echo "installed program runs from $real and opened $(wc -l <"$work/pics.log") coin pictures"
