#!/usr/bin/env python3
"""Plants each fault of faults.py in turn and records which tests catch it.

    tools/mutants/run.py [--only ID,ID...] [--skip-install] [--report FILE]
    tools/mutants/run.py --check    only checks that each fault's text is in its file once

Builds the game and its tests without sanitizers in build-mutants/, checks that every
test passes as the code stands, then for each fault: replaces its text, builds, runs the
unit, window and real-X tests (on a private Xvfb), the fuzz corpora and the install test,
and puts the file back. A test program that crashes or hangs is run again one test at a
time, so each catching test is named. The report (default tools/mutants/kills.txt) lists
for each fault the tests that fail with it, then the faults no test catches and the tests
that catch no fault on their own. Not part of ./test.sh: a full run takes about an hour.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.path.join(ROOT, "build-mutants")
sys.path.insert(0, os.path.dirname(__file__))
from faults import FAULTS  # noqa: E402

GTESTS = ["core_tests", "window_tests", "realx_tests"]
TIMEOUT = 300


def sh(args, timeout=TIMEOUT, env=None):
    try:
        r = subprocess.run(args, cwd=ROOT, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
        return r.returncode, r.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return "timeout", ""


def test_env():
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    return env


def gtest_command(program, extra):
    binary = os.path.join(BUILD, "tests", program)
    if program == "realx_tests":
        return ["bash", os.path.join(ROOT, "tests", "gui", "on_xvfb.sh"), binary] + extra
    return [binary] + extra


def gtest_names(program):
    _, out = sh(gtest_command(program, ["--gtest_list_tests"]), env=test_env())
    names, suite = [], ""
    for line in out.splitlines():
        if line.startswith("  ") and suite:
            names.append(suite + line.split("#")[0].strip())
        elif line.strip():
            suite = line.strip() if line.rstrip().endswith(".") else ""
    return names


def failing_gtests(program, names):
    """The tests of one program that fail, crash or hang."""
    with tempfile.TemporaryDirectory() as tmp:
        report = os.path.join(tmp, "out.json")
        code, _ = sh(gtest_command(program, ["--gtest_output=json:" + report]), env=test_env())
        if code != "timeout" and os.path.exists(report):
            try:
                with open(report) as f:
                    data = json.load(f)
                failed = []
                for suite in data.get("testsuites", []):
                    for case in suite.get("testsuite", []):
                        if case.get("failures") or case.get("result") not in (None, "COMPLETED"):
                            failed.append(suite["name"] + "." + case["name"])
                if failed or code == 0:
                    return failed
            except (ValueError, KeyError):
                pass
    # crashed or hung before its report: one test at a time
    failed = []
    for name in names:
        code, _ = sh(gtest_command(program, ["--gtest_filter=" + name]), timeout=60, env=test_env())
        if code != 0:
            failed.append(name)
    return failed


def other_tests(skip_install):
    tests = {
        "FuzzCorpus.profile": [os.path.join(BUILD, "fuzz", "profile_replay"), os.path.join(ROOT, "fuzz", "corpus", "profile")],
        "FuzzCorpus.quiz": [os.path.join(BUILD, "fuzz", "quiz_replay"), os.path.join(ROOT, "fuzz", "corpus", "quiz")],
    }
    if not skip_install:
        tests["Install.QuitAtOpening"] = ["bash", os.path.join(ROOT, "tests", "install", "install_test.sh"), ROOT, BUILD]
    return tests


def run_all(names, skip_install):
    failed = []
    for program in GTESTS:
        failed += failing_gtests(program, names[program])
    for name, command in other_tests(skip_install).items():
        code, _ = sh(command, env=test_env())
        if code != 0:
            failed.append(name)
    return failed


def build():
    code, out = sh(["cmake", "--build", BUILD], timeout=1800)
    return code == 0, out


def stale(faults):
    """The faults whose text is not in their file exactly once, with what is wrong."""
    found = []
    for fid, path, find, _, _ in faults:
        try:
            with open(os.path.join(ROOT, path), encoding="utf-8") as f:
                count = f.read().count(find)
        except OSError:
            count = "no file"
        if count != 1:
            found.append(f"{fid}: {path}: its text is found {count} times")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--only", default="")
    parser.add_argument("--skip-install", action="store_true")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--report", default=os.path.join(ROOT, "tools", "mutants", "kills.txt"))
    args = parser.parse_args()
    faults = [f for f in FAULTS if not args.only or f[0] in args.only.split(",")]
    ids = [f[0] for f in FAULTS]
    problems = stale(faults) + [f"{i}: named twice" for i in sorted(set(ids)) if ids.count(i) > 1]
    if problems or args.check:
        if problems:
            sys.exit("planted faults gone stale:\n  " + "\n  ".join(problems))
        return

    sh(["cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug", "-DNP2_BUILD_TESTS=ON",
        "-DNP2_SANITIZE=OFF", "-DNP2_WERROR=OFF"])
    ok, out = build()
    if not ok:
        sys.exit("the code as it stands does not build:\n" + out[-3000:])
    names = {p: gtest_names(p) for p in GTESTS}
    every = [n for p in GTESTS for n in names[p]] + list(other_tests(args.skip_install))
    failing = run_all(names, args.skip_install)
    if failing:
        sys.exit("tests fail before any fault is planted: " + ", ".join(failing))

    results = []
    for number, (fid, path, find, replace, why) in enumerate(faults, 1):
        started = time.time()
        full = os.path.join(ROOT, path)
        with open(full, encoding="utf-8") as f:
            original = f.read()
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original.replace(find, replace, 1))
            ok, _ = build()
            killers = run_all(names, args.skip_install) if ok else None
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original)
        results.append((fid, why, killers))
        shown = "does not build" if killers is None else len(killers)
        print(f"[{number}/{len(faults)}] {fid}: {shown} ({time.time() - started:.0f} s)", flush=True)
    build()

    caught = [r for r in results if isinstance(r[2], list) and r[2]]
    alone = {}
    for fid, _, killers in caught:
        if len(killers) == 1:
            alone.setdefault(killers[0], []).append(fid)
    killing = {k for _, _, killers in caught for k in killers}
    with open(args.report, "w", encoding="utf-8") as f:
        planted = [r for r in results if isinstance(r[2], list)]
        f.write(f"# {len(caught)} of {len(planted)} planted faults caught, by {len(every)} tests\n\n")
        for fid, why, killers in results:
            shown = "(does not build)" if killers is None else (
                " ".join(killers) if killers else "NOT CAUGHT")
            f.write(f"{fid} ({why}): {shown}\n")
        f.write("\n# caught by nothing\n")
        for fid, why, killers in results:
            if killers == []:
                f.write(f"{fid}: {why}\n")
        f.write("\n# the only test to catch a fault\n")
        for test in sorted(alone):
            f.write(f"{test}: {' '.join(alone[test])}\n")
        f.write("\n# tests that catch no fault\n")
        for test in every:
            if test not in killing:
                f.write(test + "\n")
    print(f"{len(caught)} of {len([r for r in results if isinstance(r[2], list)])} caught; report in {args.report}")


if __name__ == "__main__":
    main()
