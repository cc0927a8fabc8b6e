#!/usr/bin/env python3
"""Walks the program's whole road with the Orca screen reader, by keys alone, and fails when a
step's expected words are not spoken.

    python3 tools/orca_road.py [build/ulmaro] [OUTDIR] [ROAD]

ROAD (default tools/orca_road.txt) holds one step a line: "KEYS... | words | words", "start |
words" for the program's start, "wait N | words" for what N seconds bring (or the step before
brought, since timers do not wait for keys), "heard | words" for the speech of the whole walk. The walk itself is run by the desktop's Orca driver
(../shared/desktop/orca/orca_walk.py, or $ULMARO_DESKTOP/orca/orca_walk.py) inside its private
desktop; this script writes its road, reads its record and prints one table row per step:
step | keys | expected | spoken | verdict. Exits 1 when a step misses its words, 2 when the walk
could not run. Only one Orca may run on a machine: never run two walks at once.
"""

import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def desktop():
    return os.environ.get("ULMARO_DESKTOP") or os.path.join(ROOT, "..", "shared", "desktop")


def parse(path):
    steps = []
    preamble = True  # the file's own comment, up to its first blank line, is no heading
    for raw in open(path, encoding="utf-8"):
        line = raw.strip()
        if not line:
            preamble = False
            continue
        if line.startswith("#"):
            if preamble:
                continue
            steps.append({"heading": line[1:].strip()})
            continue
        keys, *words = [part.strip() for part in line.split("|")]
        steps.append({"keys": keys, "words": [w for w in words if w]})
    return steps


QUIET = 2.5  # seconds without speech that end a step


def squeeze(text):
    return re.sub(r"\s+", "", text)


def heard(expected, spoken):
    if expected.startswith("re:"):
        return re.search(expected[3:], spoken) is not None
    return squeeze(expected) in squeeze(spoken)


def main(argv):
    exe = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(ROOT, "build", "ulmaro"))
    out = os.path.abspath(argv[2] if len(argv) > 2 else os.path.join(ROOT, "build", "orca-road"))
    road = argv[3] if len(argv) > 3 else os.path.join(HERE, "orca_road.txt")
    steps = parse(road)
    os.makedirs(out, exist_ok=True)
    # The driver's own road: every walked step carries its number as the note.
    walk_road = os.path.join(out, "walk-road.txt")
    with open(walk_road, "w", encoding="utf-8") as f:
        for n, step in enumerate(steps):
            if "heading" in step:
                f.write(f"# {step['heading']}\n")
            elif step["keys"].startswith("wait "):
                f.write(f"{step['keys']} # {n}\n")
            elif step["keys"] not in ("start", "heard"):
                f.write(f"key {step['keys']} # {n}\n")
    # The driver hears a step out until Orca has been quiet for a while, and drops what comes
    # after that, while it asks for the focus. A page slides in before its words, and on a busy
    # machine Orca speaks up to 1.5 s after the key: the walk waits QUIET seconds of quiet.
    driver = os.path.join(desktop(), "orca")
    patient = ("import sys; sys.path.insert(0, sys.argv[1]); import orca_walk as w; "
               f"w.Speech.settle.__defaults__ = (w.FIRST, {QUIET}, w.LONGEST); "
               "sys.exit(w.main(sys.argv[1:]))")
    run = subprocess.run([os.path.join(desktop(), "session.sh"), "/usr/bin/python3", "-c", patient, driver, exe, out,
                          walk_road], cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    records = []
    try:
        with open(os.path.join(out, "walk.jsonl"), encoding="utf-8") as f:
            records = [json.loads(line) for line in f]
    except FileNotFoundError:
        pass
    if len(records) < 2:
        print(run.stdout)
        print("the walk did not run (see above)")
        return 2
    by_note = {r.get("note"): r for r in records if r.get("note")}
    start = next((r for r in records if r.get("key") == "(program starts)"), None)
    everything = " / ".join(s for r in records for s in r.get("spoken", []))
    failed = 0
    before = ""  # what the step before spoke: a timer may bring its words before a wait begins
    print("| step | keys | expected | Orca spoke | |")
    print("|---|---|---|---|---|")
    for n, step in enumerate(steps):
        if "heading" in step:
            print(f"| | **{step['heading']}** | | | |")
            continue
        keys = step["keys"]
        if keys == "start":
            record = start
        elif keys == "heard":
            record = {"spoken": [everything]}
        else:
            record = by_note.get(str(n))
        spoken = " / ".join(record.get("spoken", [])) if record else "(step not walked)"
        within = before + " / " + spoken if keys.startswith("wait ") else spoken
        before = spoken
        missing = [w for w in step["words"] if not record or not heard(w, within)]
        failed += bool(missing)
        verdict = "ok" if not missing else "MISSING " + ", ".join(missing)
        shown = "(the whole walk)" if keys == "heard" else spoken.replace("|", "\\|") or "(silence)"
        print(f"| {n} | {keys} | {' ; '.join(step['words'])} | {shown} | {verdict} |")
    if run.returncode != 0:
        print(f"the walk ended with status {run.returncode}:")
        print(run.stdout[-3000:])
        return 2
    print(f"{failed} step(s) missed their words" if failed else "every step spoke its words")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
