#!/usr/bin/env python3
"""Injected faults: which tests catch each fault of faults.toml, and which faults survive.

See tests/README.md for how it runs.
"""

import argparse
import collections
import json
import os
import re
import signal
import subprocess
import sys
import time
import tomllib
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
LIST = Path(__file__).resolve().with_name("faults.toml")
REQUIRED = {"id", "file", "find", "replace", "fault", "rule"}
FIELDS = REQUIRED | {"tests", "labels", "cap"}


@dataclass
class Fault:
    id: str
    file: str
    find: str
    replace: str
    fault: str
    rule: str
    tests: str = ""
    labels: list = field(default_factory=list)
    cap: int = 0


@dataclass
class Outcome:
    result: str  # caught, survived, build failed, time cap, no tests
    caught_by: list = field(default_factory=list)
    seconds: float = 0.0


def load_faults(path):
    with open(path, "rb") as f:
        entries = tomllib.load(f).get("fault", [])
    ids = collections.Counter(entry.get("id") for entry in entries)
    for entry in entries:
        unknown, missing = set(entry) - FIELDS, REQUIRED - set(entry)
        if unknown or missing or not (entry.get("tests") or entry.get("labels")) or ids[entry.get("id")] > 1:
            sys.exit(f"{path}: entry {entry.get('id', '?')}: unknown {sorted(unknown)}, missing {sorted(missing)}, "
                     "or no tests and no labels, or its id twice")
    return [Fault(**entry) for entry in entries]


def check_texts(faults, tree):
    """Every fault's text must occur exactly once, and differ from its replacement."""
    bad = []
    for fault in faults:
        path = tree / fault.file
        count = path.read_text(encoding="utf-8", errors="surrogateescape").count(fault.find) if path.is_file() else -1
        if count != 1 or fault.find == fault.replace:
            why = "file missing" if count < 0 else "same as its replacement" if count == 1 else f"text found {count} times"
            bad.append(f"{fault.id}: {fault.file}: {why}")
    return bad


def sync_tree(tree):
    """Makes `tree` a copy of the work tree; unchanged files keep their times, so builds stay incremental."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                            capture_output=True, check=True).stdout.decode()
    names = [name for name in listed.split("\0") if name and (ROOT / name).is_file()]
    for name in names:
        source, copy = ROOT / name, tree / name
        data = source.read_bytes()
        if copy.is_file() and copy.read_bytes() == data:
            continue
        copy.parent.mkdir(parents=True, exist_ok=True)
        copy.write_bytes(data)
        copy.chmod(source.stat().st_mode & 0o777)
    # Files gone from the work tree go here too: the build globs its test sources.
    wanted = set(names)
    for path in sorted(tree.rglob("*"), reverse=True):
        relative = path.relative_to(tree).as_posix()
        if path.is_file() and relative not in wanted:
            path.unlink()
        elif path.is_dir() and not any(path.iterdir()):
            path.rmdir()


def run(command, timeout=None, log=None):
    """Runs `command` in its own process group; returns (status, output), status None on timeout."""
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True, text=True, errors="replace")
    try:
        output, _ = process.communicate(timeout=timeout)
        status = process.returncode
    except BaseException as error:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        if not isinstance(error, subprocess.TimeoutExpired):
            raise
        status = None
    if log:
        with open(log, "a") as f:
            f.write(f"$ {' '.join(command)}\n{output}\n")
    return status, output


class Scratch:
    def __init__(self, directory, log, in_place=None):
        self.directory = directory
        self.tree = ROOT if in_place else directory / "tree"
        self.build = in_place or directory / "build"
        self.log = log
        self.tests = None

    def prepare(self):
        self.directory.mkdir(parents=True, exist_ok=True)
        if self.tree == ROOT:
            print(f"faults go into the work tree itself, built in {self.build}", flush=True)
            if not self.build_targets([]):
                sys.exit(f"the work tree does not build; see {self.log}")
            return
        print(f"syncing {self.tree}", flush=True)
        sync_tree(self.tree)
        if not (self.build / "CMakeCache.txt").is_file():
            print("configuring (the first build takes as long as a fresh scripts/bootstrap)", flush=True)
            status, output = run(["cmake", "-S", str(self.tree), "-B", str(self.build), "-G", "Ninja",
                                  "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], log=self.log)
            if status != 0:
                sys.exit("configuring the scratch build failed:\n" + output[-3000:])
        print("building the scratch tree", flush=True)
        if not self.build_targets([]):
            sys.exit(f"the unchanged scratch tree does not build; see {self.log}")

    def build_targets(self, targets):
        status, _ = run(["cmake", "--build", str(self.build), *(["--target", *targets] if targets else [])],
                        log=self.log)
        return status == 0

    def all_tests(self):
        """name -> (labels, build targets of its command, ctest's number)."""
        if self.tests is None:
            _, listing = run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"])
            _, ninja = run(["ninja", "-C", str(self.build), "-t", "targets", "all"])
            known = {line.split(":")[0] for line in ninja.splitlines()}
            self.tests = {}
            for number, test in enumerate(json.loads(listing)["tests"], 1):
                properties = {p["name"]: p["value"] for p in test.get("properties", [])}
                targets = {Path(arg).name for arg in test.get("command", []) if Path(arg).name in known}
                self.tests[test["name"]] = (properties.get("LABELS", []), sorted(targets), number)
        return self.tests

    def select(self, fault):
        tests = self.all_tests()
        pattern = re.compile(fault.tests) if fault.tests else None
        return [name for name, (labels, _, _) in tests.items()
                if (pattern and pattern.search(name)) or set(labels) & set(fault.labels)]

    def run_tests(self, names, test_timeout, cap, jobs):
        """Runs `names`; returns (failed test names with the cases inside them, finished)."""
        if not names:
            return [], True
        # By number: a pattern naming hundreds of tests is too long for ctest's expressions.
        chosen = "0,0,0," + ",".join(str(self.all_tests()[name][2]) for name in names)
        junit = self.directory / "last-run.xml"
        junit.unlink(missing_ok=True)
        status, output = run(["ctest", "--test-dir", str(self.build), "-I", chosen, "-j", str(jobs),
                              "--timeout", str(test_timeout), "--output-junit", str(junit)],
                             timeout=cap, log=self.log)
        if status is None or not junit.is_file():
            failed = re.findall(r"Test\s+#\d+: (\S+) \.+\s*\*\*\*(?!Not Run)", output)
            return [name for name in failed if name in names], False
        failed = []
        for case in ElementTree.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            if case.get("status") != "fail" or name not in names:
                continue
            # A test program of many cases (the service, the stage groups) names the failed ones.
            inner = re.findall(r"^\[  FAILED  \] (\S+)(?: \(| \d+ ms)", case.findtext("system-out") or "", re.M)
            failed.append(f"{name} ({', '.join(dict.fromkeys(inner))})" if inner and inner != [name] else name)
        return failed, True


def try_fault(scratch, fault, options, known_failures):
    started = time.monotonic()
    names = [name for name in scratch.select(fault) if name not in known_failures]
    if not names:
        return Outcome("no tests")
    targets = sorted({t for name in names for t in scratch.all_tests()[name][1]})
    path = scratch.tree / fault.file
    original = path.read_bytes()
    try:
        path.write_bytes(original.replace(fault.find.encode(), fault.replace.encode(), 1))
        if not scratch.build_targets(targets):
            return Outcome("build failed", seconds=time.monotonic() - started)
        failed, finished = scratch.run_tests(names, options.test_timeout, fault.cap or options.cap, options.test_jobs)
    finally:
        path.write_bytes(original)
    seconds = time.monotonic() - started
    if failed:
        return Outcome("caught", failed, seconds)
    return Outcome("survived" if finished else "time cap", [], seconds)


def table(rows):
    lines = ["| fault | file | result | caught by | s |", "|---|---|---|---|---|"]
    lines += [f"| {fault.id} | {fault.file} | {outcome.result} | {'<br>'.join(outcome.caught_by)} | "
              f"{outcome.seconds:.0f} |" for fault, outcome in rows]
    counts = collections.Counter(outcome.result for _, outcome in rows)
    return "\n".join(lines) + "\n\n" + ", ".join(f"{result}: {n}" for result, n in sorted(counts.items())) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("only", nargs="*", help="fault ids, or regular expressions matching ids (default: all)")
    parser.add_argument("--list", type=Path, default=LIST, help="the fault list [%(default)s]")
    parser.add_argument("--check", action="store_true", help="only check that every text is found once")
    parser.add_argument("--show", action="store_true", help="print the chosen faults and their tests, run nothing")
    parser.add_argument("--table", type=Path, help="also write the table to this markdown file")
    parser.add_argument("--scratch", type=Path,
                        default=Path(os.environ.get("XDG_CACHE_HOME", Path.home() / ".cache")) / "kestrova-mutants",
                        help="scratch copy and build [%(default)s]")
    parser.add_argument("--in-place", type=Path, metavar="BUILD",
                        help="apply the faults to the work tree itself and build them in its build directory "
                             "BUILD (no copy, no first build; leave the tree alone until the run ends)")
    parser.add_argument("--cap", type=int, default=1800, help="seconds for one fault's tests [%(default)s]")
    parser.add_argument("--test-timeout", type=int, default=300,
                        help="seconds for one test without a timeout of its own [%(default)s]")
    parser.add_argument("--test-jobs", type=int, default=2, help="tests run at once [%(default)s]")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip the run of the unchanged tree (tests failing there cannot catch anything)")
    options = parser.parse_args()

    faults = load_faults(options.list)
    if options.only:
        patterns = [re.compile(f"^(?:{p})$") for p in options.only]
        faults = [f for f in faults if any(p.match(f.id) for p in patterns)]
        if not faults:
            sys.exit("no fault matches " + " ".join(options.only))
    bad = check_texts(faults, ROOT)
    if bad:
        sys.exit("faults whose text no longer fits the source (mend them):\n  " + "\n  ".join(bad))
    if options.check:
        floors = collections.Counter(Path(f.file).parts[1 if f.file.startswith("src/") else 0] for f in faults)
        print(f"{len(faults)} faults, every text found once: " +
              ", ".join(f"{floor} {n}" for floor, n in sorted(floors.items())))
        return

    scratch = Scratch(options.scratch.resolve(), options.scratch.resolve() / "log.txt",
                      options.in_place.resolve() if options.in_place else None)
    scratch.prepare()
    if options.show:
        for fault in faults:
            names = scratch.select(fault)
            print(f"{fault.id}: {len(names)} tests, targets "
                  f"{sorted({t for n in names for t in scratch.all_tests()[n][1]})}")
        return

    known_failures = set()
    if not options.no_baseline:
        everything = sorted({name for fault in faults for name in scratch.select(fault)})
        print(f"baseline: {len(everything)} tests on the unchanged tree", flush=True)
        failed, finished = scratch.run_tests(everything, options.test_timeout, 4 * options.cap, options.test_jobs)
        known_failures = {name.split(" (")[0] for name in failed}
        if not finished:
            sys.exit("the baseline run did not finish within its time")
        if known_failures:
            print("failing before any fault (left out): " + ", ".join(sorted(known_failures)), flush=True)

    rows = []
    for number, fault in enumerate(faults, 1):
        print(f"[{number}/{len(faults)}] {fault.id} ({fault.file}) ...", end=" ", flush=True)
        outcome = try_fault(scratch, fault, options, known_failures)
        print(f"{outcome.result} {', '.join(outcome.caught_by)} [{outcome.seconds:.0f} s]", flush=True)
        rows.append((fault, outcome))
    # The last fault's file is restored; one more build leaves the build as the tree is.
    scratch.build_targets([])

    text = table(rows)
    if known_failures:
        text += "\nFailing before any fault (not counted): " + ", ".join(sorted(known_failures)) + "\n"
    print()
    print(text)
    if options.table:
        options.table.write_text(text)


if __name__ == "__main__":
    main()
