#!/usr/bin/python3
# SPDX-License-Identifier: MIT

"""Start-up time and peak memory of Hexacle against a bare Qt Widgets program.

Each run starts one program on a private Xvfb display and measures, from just
before the process is started until the X server reports its first top-level
window mapped (the MapNotify event, seen by this script through Xlib). Then,
once the window has had a moment to paint, the process's peak resident size
(VmHWM in /proc/PID/status) is read and the program is ended. Runs of the two
programs alternate (A B B A ...), so drift in the machine's load falls on both
alike, and the medians and their ratios are printed.

Every run of Hexacle gets a fresh settings folder holding a recent update
record, copied from one made by a first run, so no reminder question is asked,
and a fresh runtime folder, so no other copy's lock is in the way.

Usage, from the repository root after building:
    /usr/bin/python3 bench/startup.py [--runs N] [BUILD_DIR]
Needs Xvfb and libX11 (Debian: xvfb). Standard library only."""

import argparse
import ctypes
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
SETTLE_SECONDS = 0.3  # after the map, for the first paint before memory is read


class Display:
    """Just enough Xlib to hear top-level windows being mapped."""

    def __init__(self, name):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.dpy = self.x.XOpenDisplay(name.encode())
        if not self.dpy:
            raise SystemExit(f"cannot open display {name}")
        root = self.x.XDefaultRootWindow(self.dpy)
        self.x.XSelectInput(self.dpy, root, SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XFlush(self.dpy)
        self.fd = self.x.XConnectionNumber(self.dpy)
        self.event = (ctypes.c_long * 24)()

    def _next_type(self):
        self.x.XNextEvent(self.dpy, ctypes.byref(self.event))
        return self.event[0] & 0xFFFFFFFF

    def drain(self):
        while self.x.XPending(self.dpy):
            self._next_type()

    def wait_for_map(self, timeout):
        """Monotonic time at which a top-level window was mapped, or None."""
        deadline = time.monotonic() + timeout
        while True:
            while self.x.XPending(self.dpy):
                if self._next_type() == MAP_NOTIFY:
                    return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0",
         "1280x1024x24"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise SystemExit("Xvfb did not start")
    return xvfb, ":" + number


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None


def run_once(display, program, env):
    display.drain()
    started = time.monotonic()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    mapped = display.wait_for_map(30)
    try:
        if mapped is None:
            raise SystemExit(f"{program}: no window within 30 s")
        time.sleep(SETTLE_SECONDS)
        if process.poll() is not None:
            raise SystemExit(f"{program} ended by itself ({process.returncode})")
        return mapped - started, peak_rss_kib(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        process.wait()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", nargs="?", default=os.path.join(here, "..", "build"))
    parser.add_argument("--runs", type=int, default=21, help="runs of each program")
    args = parser.parse_args()
    hexacle = os.path.abspath(os.path.join(args.build, "HexacleFree"))
    bare = os.path.abspath(os.path.join(args.build, "bench", "bare_qt"))
    for program in (hexacle, bare):
        if not os.access(program, os.X_OK):
            raise SystemExit(f"{program} not built")

    xvfb, display_name = start_xvfb()
    work = tempfile.mkdtemp(prefix="hexacle-bench-")
    try:
        display = Display(display_name)
        base_env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "WAYLAND_", "XDG_"))}
        base_env["DISPLAY"] = display_name

        def fresh_env(run, with_record):
            env = dict(base_env)
            env["XDG_CONFIG_HOME"] = os.path.join(work, f"config-{run}")
            env["XDG_RUNTIME_DIR"] = os.path.join(work, f"runtime-{run}")
            os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
            if with_record:
                shutil.copytree(os.path.join(work, "config-record"), env["XDG_CONFIG_HOME"])
            else:
                os.makedirs(env["XDG_CONFIG_HOME"])
            return env

        # The first run finds no record and makes one, dated today; it and
        # one run of the bare program also warm the file cache.
        os.makedirs(os.path.join(work, "runtime-record"), mode=0o700)
        os.makedirs(os.path.join(work, "config-record"))
        record_env = dict(base_env, XDG_CONFIG_HOME=os.path.join(work, "config-record"),
                          XDG_RUNTIME_DIR=os.path.join(work, "runtime-record"))
        run_once(display, hexacle, record_env)
        run_once(display, bare, fresh_env("warm", False))
        recorded = [os.path.relpath(os.path.join(folder, name), os.path.join(work, "config-record"))
                    for folder, _, names in os.walk(os.path.join(work, "config-record"))
                    for name in names]

        times = {hexacle: [], bare: []}
        peaks = {hexacle: [], bare: []}
        for run in range(args.runs):
            order = (hexacle, bare) if run % 2 == 0 else (bare, hexacle)
            for program in order:
                env = fresh_env(f"{run}-{os.path.basename(program)}", program == hexacle)
                seconds, peak = run_once(display, program, env)
                times[program].append(seconds)
                peaks[program].append(peak)

        def ms(values):
            return statistics.median(values) * 1000

        def mib(values):
            return statistics.median(values) / 1024

        print(f"runs of each: {args.runs}, interleaved, on Xvfb {display_name}; "
              f"settings copied in: {', '.join(recorded) or 'none (the program wrote none)'}")
        print(f"start-up to window mapped, median: HexacleFree {ms(times[hexacle]):.1f} ms, "
              f"bare_qt {ms(times[bare]):.1f} ms")
        ratios = [h / b for h, b in zip(times[hexacle], times[bare])]
        print(f"start-up ratio: {ms(times[hexacle]) / ms(times[bare]):.3f} "
              f"(median of per-run ratios {statistics.median(ratios):.3f}; goal <= 1.05)")
        print(f"peak resident memory with the window shown, median: "
              f"HexacleFree {mib(peaks[hexacle]):.1f} MiB, bare_qt {mib(peaks[bare]):.1f} MiB")
        print(f"memory ratio: {mib(peaks[hexacle]) / mib(peaks[bare]):.3f} (goal <= 1.10)")
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
