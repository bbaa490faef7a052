#!/usr/bin/env python3
"""Runs a 75 s period of the scoreboard with `ball-drive --real-clock` on the headless backend and
measures how late each change of the clock text comes against the true remaining time.

The script starts the clock and then reads the clock text every millisecond; each line that
ball-drive writes is stamped on arrival. The start is taken from the line that shows the start
button turned to its running caption. A text appears late when it arrives after the moment the
true remaining time reached its value (rounded up: "59.9" is due at 59.9 s left).

    real_clock_check.py BALL_DRIVE [SECONDS]
"""
import os
import subprocess
import sys
import tempfile
import time


def due_remaining_ms(text):
    """The remaining time (ms) at which a clock text becomes due."""
    if ":" in text:
        minutes, seconds = text.split(":")
        return (int(minutes) * 60 + int(seconds)) * 1000
    whole, tenth = text.split(".")
    return int(whole) * 1000 + int(tenth) * 100


def main():
    drive = sys.argv[1]
    seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 75
    home = tempfile.mkdtemp(prefix="real-clock-")
    os.makedirs(os.path.join(home, "date"))
    with open(os.path.join(home, "date", "config.db"), "wb") as f:
        f.write(b"allname=Cup\r\ndelalltime=%d\r\njstime=300\r\nballname1=A\r\nballname2=B\r\n" % seconds)
    polls = seconds * 1000 + 300
    script = "wait 3500\nform main\nclick ok\nshow ok Caption\n" + "wait 1\nshow balltime Caption\n" * polls
    env = dict(os.environ, SDL_AUDIODRIVER="dummy", SDL_VIDEODRIVER="dummy")
    proc = subprocess.Popen([drive, "--home", home, "--real-clock", "-"], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, env=env)
    proc.stdin.write(script.encode())
    proc.stdin.close()
    start = None
    last = None
    changes = []
    for raw in proc.stdout:
        stamp = time.monotonic_ns() / 1e6
        line = raw.decode().strip()
        if line.startswith("ok.Caption="):
            start = stamp
            continue
        if not line.startswith("balltime.Caption=") or start is None:
            continue
        text = line.split("=", 1)[1]
        if text != last:
            changes.append((stamp, text))
            last = text
        if text == "0.0":
            break
    proc.kill()
    proc.wait()
    total_ms = seconds * 1000
    # Lateness of every change after the first text, against the start as seen.
    lateness = [(stamp - (start + total_ms - due_remaining_ms(text)), text) for stamp, text in changes[1:]]
    worst, worst_text = max(lateness)
    least, least_text = min(lateness)
    ordered = sorted(late for late, _ in lateness)
    median = ordered[len(ordered) // 2]
    p99 = ordered[min(len(ordered) - 1, int(len(ordered) * 0.99))]
    end_stamp, end_text = changes[-1]
    print("lateness median %.2f ms, 99th percentile %.2f ms" % (median, p99))
    print("changes seen: %d, last text %s" % (len(changes), end_text))
    print("largest lateness against the seen start: %.2f ms (at %s)" % (worst, worst_text))
    print("smallest: %.2f ms (at %s); spread %.2f ms" % (least, least_text, worst - least))
    print("0.0 at %.2f ms after the seen start, true end %d ms: %+.2f ms" % (end_stamp - start, total_ms, end_stamp - start - total_ms))
    print("0.0 after the first change, against true: %+.2f ms" % (lateness[-1][0] - lateness[0][0]))


if __name__ == "__main__":
    main()
