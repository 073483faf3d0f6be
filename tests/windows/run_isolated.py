#!/usr/bin/env python3
"""Runs one GoogleTest executable so that a test which crashes or hangs costs only itself.

The executable runs whole; when it dies (a crash, or a test that outlives --hang seconds), the
test it was in is counted as failed and the executable starts again with every test done so far
filtered out. Meant for the Windows build under Wine, where one bad test would otherwise take
the rest of its suite with it. Prints what GoogleTest prints, then one closing line:
"N passed, N failed, N skipped". Exit status 0 only when nothing failed.
"""
import argparse
import os
import re
import signal
import subprocess
import sys
import threading
import time

RESULT = re.compile(r"^\[\s+(RUN|OK|FAILED|SKIPPED)\s+\] ([\w/]+\.[\w/]+)")


def listed_tests(command):
    out = subprocess.run(command + ["--gtest_list_tests"], capture_output=True, text=True,
                         errors="replace", timeout=300).stdout
    tests, suite = [], None
    for line in out.splitlines():
        line = line.split("#")[0].rstrip()
        if not line or line.startswith(("Running main", "[")):
            continue
        if not line.startswith(" "):
            suite = line.strip()
        elif suite:
            tests.append(suite + line.strip())
    return tests


def exclusion(done, all_tests):
    """A --gtest_filter that leaves out `done`, whole suites as Suite.* to keep it short."""
    by_suite = {}
    for t in all_tests:
        by_suite.setdefault(t.split(".")[0], []).append(t)
    parts = []
    for suite, tests in by_suite.items():
        finished = [t for t in tests if t in done]
        if len(finished) == len(tests):
            parts.append(suite + ".*")
        else:
            parts.extend(finished)
    return "-" + ":".join(parts) if parts else "*"


def run_once(command, gtest_filter, hang_seconds, outcome):
    """Runs until the executable ends or a test hangs; returns the test it died in, if any."""
    proc = subprocess.Popen(command + ["--gtest_filter=" + gtest_filter], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, start_new_session=True)
    current = {"test": None, "since": time.monotonic()}
    hung = threading.Event()

    def watch():
        while proc.poll() is None:
            if time.monotonic() - current["since"] > hang_seconds:
                hung.set()
                os.killpg(proc.pid, signal.SIGKILL)
                return
            time.sleep(0.5)

    threading.Thread(target=watch, daemon=True).start()
    for raw in proc.stdout:
        line = raw.decode("utf-8", "replace").rstrip("\r\n")
        print(line, flush=True)
        m = RESULT.match(line)
        if not m:
            continue
        kind, name = m.groups()
        if kind == "RUN":
            current["test"], current["since"] = name, time.monotonic()
        elif name == current["test"]:
            outcome[name] = kind
            current["test"] = None
    proc.wait()
    if current["test"] is not None:
        why = f"hung for {hang_seconds} s" if hung.is_set() else f"ended the process (status {proc.returncode})"
        print(f"[  FAILED  ] {current['test']} {why}; the rest of the suite goes on", flush=True)
        outcome[current["test"]] = "FAILED"
        return current["test"], proc.returncode
    return None, proc.returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--hang", type=int, default=120, help="seconds one test may take")
    parser.add_argument("command", nargs="+", help="the test executable (with its runner first)")
    args = parser.parse_args()

    all_tests = listed_tests(args.command)
    if not all_tests:
        print("no tests listed by " + " ".join(args.command), file=sys.stderr)
        return 1
    outcome = {}
    status = 0
    while True:
        remaining = [t for t in all_tests if t not in outcome]
        if not remaining:
            break
        died_in, status = run_once(args.command, exclusion(set(outcome), all_tests), args.hang, outcome)
        if died_in is None:
            break
    for t in all_tests:
        if t not in outcome:
            print(f"[  FAILED  ] {t} never ran (the executable ended with status {status})")
            outcome[t] = "FAILED"
    passed = sum(1 for v in outcome.values() if v == "OK")
    failed = sorted(t for t, v in outcome.items() if v == "FAILED")
    if status != 0 and not failed:
        # Every test passed and the executable still failed: it crashed or was killed while
        # cleaning up, which would hide faults in destructors and static teardown.
        print(f"[  FAILED  ] the executable ended with status {status} after its last test", flush=True)
        failed.append(f"(exit status {status})")
    skipped = sum(1 for v in outcome.values() if v == "SKIPPED")
    for t in failed:
        print(f"failed: {t}")
    print(f"{passed} passed, {len(failed)} failed, {skipped} skipped")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
