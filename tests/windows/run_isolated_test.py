#!/usr/bin/env python3
"""Drives run_isolated.py with fake GoogleTest programs and checks the verdict it gives."""
import os
import subprocess
import sys
import tempfile

RUNNER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "run_isolated.py")

FAKE = r'''
import os, sys
if "--gtest_list_tests" in sys.argv:
    print("Suite.\n  One\n  Two")
    sys.exit(0)
for name in ("Suite.One", "Suite.Two"):
    print(f"[ RUN      ] {name}\n[       OK ] {name} (0 ms)", flush=True)
{ending}
'''


def verdict(ending):
    with tempfile.TemporaryDirectory() as folder:
        fake = os.path.join(folder, "fake.py")
        with open(fake, "w") as f:
            f.write(FAKE.replace("{ending}", ending))
        run = subprocess.run([sys.executable, RUNNER, "--hang", "30", sys.executable, fake],
                             capture_output=True, text=True, timeout=120)
        return run.returncode, run.stdout.strip().splitlines()[-1]


def main():
    cases = [
        # (how the fake ends, exit status expected from the runner, its closing line)
        ("sys.exit(0)", 0, "2 passed, 0 failed, 0 skipped"),
        ("os.abort()", 1, "2 passed, 1 failed, 0 skipped"),
        ("sys.exit(3)", 1, "2 passed, 1 failed, 0 skipped"),
    ]
    bad = 0
    for ending, status, line in cases:
        got_status, got_line = verdict(ending)
        if (got_status, got_line) != (status, line):
            print(f"FAIL {ending}: status {got_status}, '{got_line}'; wanted {status}, '{line}'")
            bad += 1
        else:
            print(f"ok   {ending}: {got_line}")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
