#!/usr/bin/python3
# SPDX-License-Identifier: MIT

"""Instructions run by Hexacle and by a bare Qt Widgets program to their shown window.

Each program runs under valgrind's callgrind on a private Xvfb, set up as
bench/startup.py sets it up (a fresh settings folder holding a recent update
record, a fresh runtime folder). Callgrind writes its counts the moment the
program returns from its first QBackingStore::flush, which is when the first
painted frame of its window goes to the X server; the program is then ended.
Unlike times, these counts hardly change with the machine's load, so they show
what a change to start-up is worth. With --to-map the count stops instead just
before the program asks the X server to map its window (xcb_map_window), the
moment bench/startup.py's time ends with; what is drawn after the map is left out.

Usage, from the repository root after building:
    /usr/bin/python3 bench/instructions.py [--to-map] [--keep DIR] [BUILD_DIR]
With --keep, the two profiles stay in DIR for callgrind_annotate.
Needs Xvfb, libX11 and valgrind (Debian: xvfb, valgrind)."""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup import Display, run_once, start_xvfb  # noqa: E402

# Both programs show their first frame through this call, and return from it
# once per frame; the first return ends the count.
TRIGGER = "QBackingStore::flush*"
# Every top-level window is mapped through this call; the first call, before
# it runs, ends the count of --to-map.
MAP_TRIGGER = "xcb_map_window"
TIMEOUT_SECONDS = 180


def first_frame_instructions(program, env, out_base, to_map=False):
    """Instructions from the start of `program` to its first flushed frame,
    or with `to_map` to its request to map its window."""
    first_part = out_base + ".1"
    dump = f"--dump-before={MAP_TRIGGER}" if to_map else f"--dump-after={TRIGGER}"
    process = subprocess.Popen(
        ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out_base}", dump, program],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + TIMEOUT_SECONDS
    try:
        while time.monotonic() < deadline:
            if process.poll() is not None:
                raise SystemExit(f"{program} ended before the count's end")
            if os.path.exists(first_part):
                with open(first_part) as profile:
                    for line in profile:
                        if line.startswith("totals:"):
                            return int(line.split()[1])
            time.sleep(0.2)
        raise SystemExit(f"{program}: not there within {TIMEOUT_SECONDS} s")
    finally:
        process.send_signal(signal.SIGTERM)
        process.wait()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", nargs="?", default=os.path.join(here, "..", "build"))
    parser.add_argument("--keep", help="folder to keep the two profiles in")
    parser.add_argument("--to-map", action="store_true",
                        help="count to the window's map request instead of its first frame")
    args = parser.parse_args()
    hexacle = os.path.abspath(os.path.join(args.build, "HexacleFree"))
    bare = os.path.abspath(os.path.join(args.build, "bench", "bare_qt"))
    for program in (hexacle, bare):
        if not os.access(program, os.X_OK):
            raise SystemExit(f"{program} not built")
    if not shutil.which("valgrind"):
        raise SystemExit("valgrind not found")

    xvfb, display_name = start_xvfb()
    work = tempfile.mkdtemp(prefix="hexacle-instructions-")
    try:
        display = Display(display_name)
        base_env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "WAYLAND_", "XDG_"))}
        base_env["DISPLAY"] = display_name

        def env_for(name, record):
            env = dict(base_env, XDG_CONFIG_HOME=os.path.join(work, f"config-{name}"),
                       XDG_RUNTIME_DIR=os.path.join(work, f"runtime-{name}"))
            os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
            if record:
                shutil.copytree(os.path.join(work, "config-record"), env["XDG_CONFIG_HOME"])
            else:
                os.makedirs(env["XDG_CONFIG_HOME"])
            return env

        # A first, plain run makes the update record, so no question is asked.
        run_once(display, hexacle, env_for("record", False))

        keep = os.path.abspath(args.keep) if args.keep else work
        os.makedirs(keep, exist_ok=True)
        counts = {}
        for program in (hexacle, bare):
            name = os.path.basename(program)
            out_base = os.path.join(keep, f"callgrind.{name}")
            for stale in (out_base, out_base + ".1", out_base + ".2"):
                if os.path.exists(stale):
                    os.remove(stale)
            counts[name] = first_frame_instructions(program, env_for(name, name == "HexacleFree"),
                                                    out_base, args.to_map)

        goal = "the request to map the window" if args.to_map else \
            "the first frame of the shown window"
        print(f"instructions to {goal} (callgrind, Xvfb {display_name}):")
        for name, count in counts.items():
            print(f"  {name}: {count / 1e6:.1f} million")
        print(f"instruction ratio: {counts['HexacleFree'] / counts['bare_qt']:.3f}" +
              ("" if args.to_map else " (goal <= 1.15)"))
        if args.keep:
            print(f"profiles: {keep}/callgrind.*.1 (callgrind_annotate --inclusive=yes FILE)")
    finally:
        xvfb.terminate()
        xvfb.wait()
        if not args.keep or os.path.abspath(args.keep) != work:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
