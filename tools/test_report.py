#!/usr/bin/env python3
"""Writes a small JUnit-style report, or adds up the reports of a test run into its closing line.

Usage:
  test_report.py write FILE SUITE NAME RESULT MESSAGE [NAME RESULT MESSAGE]...
      RESULT is passed, failed or skipped; the message says why (may be empty for passed).
  test_report.py count [--ctest FILE]... [--gtest CTEST_FILE DIR]... [--cases FILE]...
                       [--listed FILE]... [--step-failed]
      --ctest   ctest's --output-junit report: each ctest test counts.
      --gtest   a ctest run whose tests are GoogleTest programs: the tests counted are those of
                GoogleTest's XML reports in DIR; CTEST_FILE (ctest's report of that run) tells how
                many programs ran, so a program that ended without its report counts as one
                failure.
      --cases   a report written by "write".
      --listed  GoogleTest's XML listing (--gtest_list_tests): each test listed counts as skipped.
      --step-failed  a step outside the reports failed: the line shows at least one failure.
  Prints "tests: N passed, M failed[, K skipped]", after a line for each failure found without a
  test of its own; exits 1 when anything failed.
"""
import glob
import os
import sys
import xml.etree.ElementTree as ET


class Tally:
    def __init__(self):
        self.passed = self.failed = self.skipped = 0

    def fail(self, why):
        print("test report: " + why)
        self.failed += 1


def read(path, tally, what):
    try:
        return ET.parse(path).getroot()
    except (OSError, ET.ParseError) as error:
        tally.fail(f"{what}: no readable report {path} ({error}): the run ended early")
        return None


def count_ctest(path, tally):
    root = read(path, tally, "ctest")
    if root is None:
        return None
    cases = root.iter("testcase")
    for case in cases:
        skipped = case.find("skipped")
        if case.get("status") == "run":
            tally.passed += 1
        elif skipped is not None and skipped.get("message", "").startswith("SKIP_"):
            # The test itself asked to be skipped (SKIP_RETURN_CODE, SKIP_REGULAR_EXPRESSION).
            tally.skipped += 1
        else:
            # Failed, timed out, crashed, or could not start ("Not Run"): all faults.
            tally.failed += 1
    return root


def count_gtest_report(root, tally):
    for case in root.iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            tally.failed += 1
        elif case.get("result") == "skipped":
            tally.skipped += 1
        elif case.get("status") == "notrun":
            pass  # a DISABLED_ test: GoogleTest reports it apart, as it does in its own summary
        else:
            tally.passed += 1


def count_gtest(ctest_path, folder, tally):
    runs = read(ctest_path, tally, "ctest")
    reports = sorted(glob.glob(os.path.join(folder, "*.xml")))
    failed_before = tally.failed
    for path in reports:
        root = read(path, tally, "GoogleTest")
        if root is not None:
            count_gtest_report(root, tally)
    if runs is None:
        return
    parts = list(runs.iter("testcase"))
    for _ in range(len(parts) - len(reports)):
        tally.fail(f"a GoogleTest program of {ctest_path} left no report in {folder}: "
                   "the run ended early")
    if tally.failed == failed_before and any(p.get("status") != "run" for p in parts):
        tally.fail(f"ctest failed a run of {ctest_path} whose reports show no failed test")


def count_cases(path, tally):
    root = read(path, tally, "the report")
    if root is None:
        return
    for case in root.iter("testcase"):
        if case.find("failure") is not None:
            tally.failed += 1
        elif case.find("skipped") is not None:
            tally.skipped += 1
        else:
            tally.passed += 1


def count_listed(path, tally):
    root = read(path, tally, "the test list")
    if root is None:
        return
    listed = sum(1 for _ in root.iter("testcase"))
    if listed == 0:
        tally.fail(f"the test list {path} names no test")
    tally.skipped += listed


def count(args):
    tally = Tally()
    step_failed = False
    i = 0
    while i < len(args):
        option = args[i]
        if option == "--step-failed":
            step_failed = True
            i += 1
        elif option == "--gtest" and i + 2 < len(args):
            count_gtest(args[i + 1], args[i + 2], tally)
            i += 3
        elif option in ("--ctest", "--cases", "--listed") and i + 1 < len(args):
            {"--ctest": count_ctest, "--cases": count_cases, "--listed": count_listed}[option](
                args[i + 1], tally)
            i += 2
        else:
            sys.exit(f"test_report.py count: bad argument {option!r}\n{__doc__}")
    if step_failed and tally.failed == 0:
        tally.failed = 1
    line = f"tests: {tally.passed} passed, {tally.failed} failed"
    if tally.skipped:
        line += f", {tally.skipped} skipped"
    print(line)
    return 1 if tally.failed else 0


def write(path, suite, cases):
    if len(cases) % 3 or not cases:
        sys.exit(f"test_report.py write: NAME RESULT MESSAGE, in threes\n{__doc__}")
    root = ET.Element("testsuite", name=suite)
    failures = skips = 0
    for name, result, message in zip(cases[0::3], cases[1::3], cases[2::3]):
        case = ET.SubElement(root, "testcase", name=name, classname=suite)
        if result == "failed":
            ET.SubElement(case, "failure", message=message)
            failures += 1
        elif result == "skipped":
            ET.SubElement(case, "skipped", message=message)
            skips += 1
        elif result != "passed":
            sys.exit(f"test_report.py write: result {result!r} is not passed, failed or skipped")
    root.set("tests", str(len(cases) // 3))
    root.set("failures", str(failures))
    root.set("skipped", str(skips))
    ET.ElementTree(root).write(path, encoding="utf-8", xml_declaration=True)
    return 0


def main(argv):
    if len(argv) >= 3 and argv[0] == "write":
        return write(argv[1], argv[2], argv[3:])
    if argv and argv[0] == "count":
        return count(argv[1:])
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
