#!/usr/bin/python3
"""Runs the Orca screen reader beside the real program and checks what it speaks, step by step.

Run by run_atspi_test.sh inside its own X server and D-Bus session:
    tst_orca_speech.py PROGRAM
A whole experiment is done with the keyboard alone (xdotool); after each step the phrases Orca
logged as SPEECH OUTPUT must hold what that step changed, once, and nothing may be spoken while
the pupil does nothing. The speech log is printed. Every wait is bounded; Orca and the program
are ended whatever happens.
"""

import datetime
import os
import shutil
import subprocess
import sys
import time

WAIT_SECONDS = 20.0
QUIET_SECONDS = 3.0
STEP_SECONDS = 2.0

# (keys pressed, what must be heard after them), in the program's own words. Water, nitrogen and
# iron, the cutting: the stem grows 576 twips, 2.0 units, with one narrow purple leaf; each Down
# brings the ruler's zero mark one unit nearer its top, and the eleventh stops level with it. (A
# reading ends without a full stop: Orca 43, Debian 12's, adds one where it pauses, and Orca 48,
# Debian 13's, does not.)
STEPS = [
    ("alt+w", "Water added: the tube holds clear water."),
    ("alt+n", "Nitrogen added: the record says Yes."),
    ("alt+i", "Iron added: the record says Yes."),
    ("alt+a", "The cutting is in; the tube takes nothing more."),
    ("alt+r", "The stem grew 2.0 units. Leaves: narrow purple leaf with a wavy edge."),
    ("alt+m", "Placing the ruler: arrows move it, Return puts it down, Escape stops."),
    *[("Down", f"Near {'leaf 1' if units > 1 else 'the tube'}, zero mark {units}.0 units above "
      "the stem's top") for units in range(10, 0, -1)],
    ("Down", "Near the tube, zero mark level with the stem's top"),
    ("Return", "Ruler placed: the stem runs from 0.0 to 2.0 on its scale."),
    # The notebook: the experiment is a row, read along to the height the ruler gave; then the
    # chart, read as a table too. Orca 48 says the chart's name twice as it takes focus, so its
    # description is what is heard once.
    ("ctrl+h", "Quorvel Notebook"),
    ("Right", None),
    ("End", "Height you read"),
    ("Tab", "One bar for each experiment"),
    ("Left", None),
    ("Right", None),
    ("Escape", None),
    ("alt+n", None),
    ("alt+s", "Started again: the tube is empty and every mineral says No."),
]


class Failure(Exception):
    pass


def speech(log_path):
    """(seconds since midnight, phrase) of every SPEECH OUTPUT line Orca logged."""
    spoken = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            if " - SPEECH OUTPUT: " not in line:
                continue
            clock, phrase = line.split(" - SPEECH OUTPUT: ", 1)
            hours, minutes, seconds = clock.strip().split(":")
            phrase = phrase.strip().split("{")[0].strip()
            spoken.append((int(hours) * 3600 + int(minutes) * 60 + float(seconds), phrase))
    return spoken


def now():
    """The clock Orca stamps its log with."""
    moment = datetime.datetime.now()
    return moment.hour * 3600 + moment.minute * 60 + moment.second + moment.microsecond / 1e6


def wait_for(what, condition, seconds=WAIT_SECONDS):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.1)


def window_of(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           capture_output=True, text=True)
    return found.stdout.split()[0] if found.stdout.split() else None


def end_orca(orca):
    """Asks Orca to end, as a desktop session does; one that takes its time is stopped (its log
    has been written out by then)."""
    orca.terminate()
    try:
        orca.wait(timeout=10)
    except subprocess.TimeoutExpired:
        orca.kill()
        orca.wait()


def main():
    program = sys.argv[1]
    scratch = os.environ["XDG_RUNTIME_DIR"]
    log_path = os.path.join(scratch, "orca.log")
    # No speech synthesiser is needed: Orca logs what it would speak. Speech Dispatcher's own
    # start is made to fail at once rather than to wait for a sound device.
    orca_environment = dict(os.environ, SPEECHD_CMD="/bin/false")
    orca = subprocess.Popen(["orca", "--replace", "--debug-file=" + log_path],
                            env=orca_environment, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    quorvel = None
    try:
        # Orca listens once its default script is active.
        wait_for("Orca to start", lambda: os.path.exists(log_path)
                 and "listener for: window:destroy" in open(log_path, errors="replace").read(),
                 60.0)
        time.sleep(3.0)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb", LANGUAGE="en")
        quorvel = subprocess.Popen([program], env=environment)
        wait_for("the Design screen", lambda: window_of("Designing your experiment"))
        subprocess.run(["xdotool", "windowfocus", "--sync", window_of("Designing")], check=True)
        time.sleep(2.0)
        # Orca writes its log in blocks, so the steps are timed here and its speech is read
        # once it has ended.
        pressed = []
        for keys, _ in STEPS:
            pressed.append(now())
            subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=True)
            time.sleep(STEP_SECONDS)
            # A screen switched to takes the keys only once it is shown and active.
            title = {"alt+r": "Your results", "alt+n": "Designing", "Escape": "Your results"}.get(keys)
            if title:
                wait_for(title, lambda: window_of(title))
                subprocess.run(["xdotool", "windowfocus", "--sync", window_of(title)],
                               check=True)
                time.sleep(STEP_SECONDS)
        time.sleep(STEP_SECONDS)
        idle_from = now()
        time.sleep(QUIET_SECONDS)
        idle_to = now()
        # Orca writes its log in blocks and may be stopped before it writes the last one: keys
        # that change nothing make it log enough to write out everything said before them. On a
        # busy machine Orca takes its time over them, so they go on until the last step's words
        # are in the log, or for a minute and a half.
        last_words = [expected for _, expected in STEPS if expected][-1]
        deadline = time.monotonic() + 90.0
        while True:
            for _ in range(30):
                subprocess.run(["xdotool", "key", "shift"], check=True)
            time.sleep(STEP_SECONDS)
            if (last_words in open(log_path, errors="replace").read()
                    or time.monotonic() > deadline):
                break
        end_orca(orca)
        heard = speech(log_path)
        failures = []
        print("Orca's speech, from the start of the program:")
        for at, phrase in heard:
            print("    %s" % phrase)
        # What each step changed is heard once, after its keys, and at the latest while the
        # next step is taken (Orca speaks a moment later on a busy machine).
        ends = pressed[2:] + [idle_from, idle_from]
        for (keys, expected), start, end in zip(STEPS, pressed, ends):
            if not expected:
                continue
            times = [at for at, phrase in heard if expected in phrase]
            if len(times) != 1 or not start <= times[0] < end:
                failures.append("after %s, %r heard at %r" % (keys, expected, times))
        # Every notification is one of the steps' changes.
        for at, phrase in heard:
            if phrase.startswith("'notification ") and not any(
                    expected and expected in phrase for _, expected in STEPS):
                failures.append("heard what no step changed: " + phrase)
        idle = [phrase for at, phrase in heard if idle_from <= at < idle_to]
        if idle:
            failures.append("spoken while the pupil did nothing: %r" % idle)
        if failures:
            raise Failure("; ".join(failures))
        print("PASS: Orca spoke what each step changed, once, and nothing while idle")
    finally:
        for process in (quorvel, orca):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        if os.environ.get("QUORVEL_ORCA_LOG") and os.path.exists(log_path):
            shutil.copy(log_path, os.environ["QUORVEL_ORCA_LOG"])


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
