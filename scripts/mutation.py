#!/usr/bin/env python3
"""Plants the faults listed in scripts/mutants.txt one at a time and reports which ones the
tests let through.

Everything happens in a private copy of the working tree (MUTATION_DIR, by default
/tmp/fourier-mutation-<user>), never in the tree itself, since others edit it while this
runs. For each fault: the text is replaced in the copy, the test programs of the fault's
labels are rebuilt, `ctest -L <labels>` runs, and the file is put back. A fault is killed
when the build or a test fails, survives when every test passes, and is stale when its text
is not found exactly once (the code has moved on: update the list).

Tests that already fail on the unmutated copy are left out of every run and named in the
report. The run reports; it exits 0 whatever the kill rate.

    scripts/mutation.sh                 every fault
    scripts/mutation.sh analysis fft    faults in files under analysis/ or fft/
    scripts/mutation.sh window          faults whose tests carry the label window
    scripts/mutation.sh --check         only look for stale faults in the working tree

Environment: MUTATION_DIR (the copy, its build folders and logs), MUTATION_JOBS (build and
test jobs, default 2), MUTATION_E2E=1 (also run the e2e and package labels a fault names;
they take minutes each).
"""

import fcntl
import getpass
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
MUTANTS_FILE = Path(__file__).resolve().parent / "mutants.txt"
LABELS = ("core", "window", "lab", "e2e", "package")
SLOW_LABELS = {"e2e", "package"}
# Source folders whose tests need no Qt: a run limited to them builds with FOURIER_CORE_ONLY.
CORE_FOLDERS = ("translator/", "fft/", "analysis/", "synthesis/", "app/config/", "common/")
LINE = re.compile(r"^(\S+)\s+(\S+)\s+(.*?)\s+=>(?:\s+(.*?))?\s*$")


@dataclass
class Mutant:
    number: int  # line of mutants.txt
    path: str
    labels: tuple
    text: str
    replacement: str
    status: str = "pending"  # killed, survived, stale, unjudged, skipped
    detail: str = ""
    line: int = 0  # line of the source file the text is on
    seconds: float = 0.0

    @property
    def folder(self):
        return "app/config" if self.path.startswith("app/config/") else self.path.split("/")[0]

    def change(self):
        after = self.replacement if self.replacement else "(removed)"
        return f"`{self.text}` -> `{after}`"


@dataclass
class Baseline:
    failing: set = field(default_factory=set)
    tests: set = field(default_factory=set)
    seconds: float = 0.0


def fail(message):
    print(f"mutation: {message}", file=sys.stderr)
    sys.exit(2)


def read_mutants():
    mutants = []
    for number, raw in enumerate(MUTANTS_FILE.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        match = LINE.match(raw)
        if not match:
            fail(f"{MUTANTS_FILE.name}:{number}: expected `file labels text => replacement`")
        path, labels, text, replacement = match.groups()
        labels = tuple(labels.split(","))
        if any(label not in LABELS for label in labels):
            fail(f"{MUTANTS_FILE.name}:{number}: labels are {', '.join(LABELS)}")
        if text == (replacement or ""):
            fail(f"{MUTANTS_FILE.name}:{number}: the replacement changes nothing")
        mutants.append(Mutant(number, path, labels, text, replacement or ""))
    return mutants


def select(mutants, filters):
    if not filters:
        return mutants
    chosen = []
    for m in mutants:
        for f in filters:
            folder = f.rstrip("/") + "/"
            if f in LABELS and f in m.labels or m.path.startswith(folder) or m.path == f:
                chosen.append(m)
                break
    return chosen


def effective_labels(mutant):
    if os.environ.get("MUTATION_E2E") == "1":
        return mutant.labels
    return tuple(label for label in mutant.labels if label not in SLOW_LABELS)


def locate(mutant, tree):
    """The file's text and where the fault goes, or None after marking the mutant stale."""
    source = tree / mutant.path
    if not source.is_file():
        mutant.status, mutant.detail = "stale", "file not found"
        return None
    # Decoded from bytes, so that line ends come back exactly as they were.
    content = source.read_bytes().decode("utf-8")
    count = content.count(mutant.text)
    if count != 1:
        mutant.status = "stale"
        mutant.detail = "text not found" if count == 0 else f"text found {count} times"
        return None
    at = content.index(mutant.text)
    mutant.line = content.count("\n", 0, at) + 1
    return content


# The private copy ---------------------------------------------------------------------


def is_excluded(top, directory):
    name = directory.name
    if directory.parent == top and (name.startswith("build") or name in (".git", "fuzz-out")):
        return True
    return (directory / "CMakeCache.txt").exists()


def sync_tree(source, copy):
    """Makes copy hold exactly the source tree without its build folders. Files whose bytes
    are unchanged keep their times, so the copy's build stays incremental; changed files
    get the current time, so the build always sees them as newer than what it made."""
    present = set()
    for folder, dirs, files in os.walk(source):
        here = Path(folder)
        dirs[:] = [d for d in dirs if not is_excluded(source, here / d)]
        for name in files:
            origin = here / name
            relative = origin.relative_to(source)
            present.add(relative)
            target = copy / relative
            try:
                data = origin.read_bytes()
            except OSError as error:
                print(f"mutation: cannot read {relative}: {error}", file=sys.stderr)
                continue
            if not (target.is_file() and target.stat().st_size == len(data)
                    and target.read_bytes() == data):
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(data)
            shutil.copymode(origin, target)
    for folder, dirs, files in os.walk(copy, topdown=False):
        here = Path(folder)
        for name in files:
            if (here / name).relative_to(copy) not in present:
                (here / name).unlink()
        if here != copy and not any(here.iterdir()):
            here.rmdir()


# Building and testing -------------------------------------------------------------------


class Runner:
    def __init__(self, work, core_only, jobs):
        self.work = work
        self.tree = work / "tree"
        self.build = work / ("build-core" if core_only else "build")
        self.logs = work / "logs"
        self.core_only = core_only
        self.jobs = jobs
        self.baselines = {}
        self.tests = {}  # name -> (labels, is a target of its own)
        home = work / "home"
        runtime = work / "runtime"
        for d in (home / ".config", home / ".local/share", home / ".cache", runtime):
            d.mkdir(parents=True, exist_ok=True)
        runtime.chmod(0o700)
        # Tests run offscreen and with a home of their own: a fault that makes a test write
        # settings or files must not reach the user's.
        self.test_env = {k: v for k, v in os.environ.items()
                         if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.test_env.update(QT_QPA_PLATFORM="offscreen", HOME=str(home),
                             XDG_CONFIG_HOME=str(home / ".config"),
                             XDG_DATA_HOME=str(home / ".local/share"),
                             XDG_CACHE_HOME=str(home / ".cache"),
                             XDG_RUNTIME_DIR=str(runtime))

    def configure(self):
        if (self.build / "CMakeCache.txt").exists():
            return
        command = ["cmake", "-S", str(self.tree), "-B", str(self.build),
                   "-DFOURIER_BENCH=OFF", f"-DFOURIER_CORE_ONLY={'ON' if self.core_only else 'OFF'}"]
        if shutil.which("ninja"):
            command += ["-G", "Ninja"]
        # No FOURIER_WERROR: a fault that only draws a warning must still be built and tested.
        # The project's CMakeLists puts ccache in front of the compiler when it is installed.
        log = self.logs / "configure.log"
        with open(log, "w") as out:
            if subprocess.run(command, stdout=out, stderr=subprocess.STDOUT).returncode != 0:
                shutil.rmtree(self.build, ignore_errors=True)
                fail(f"configuring the copy failed; see {log}")

    def list_tests(self):
        # A test made by the project's test helper is a program of the same name; the others
        # run scripts on the whole program or the package. Before the first build ctest
        # cannot name the programs, so the build system's list of targets tells them apart.
        shown = subprocess.run(["cmake", "--build", str(self.build), "--target", "help"],
                               capture_output=True, text=True, check=True)
        targets = set(re.findall(r"^(?:\.\.\. )?([\w.+-]+)(?=:|\s|$)", shown.stdout, re.M))
        shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=self.build,
                               capture_output=True, text=True, check=True)
        for test in json.loads(shown.stdout).get("tests", []):
            labels = set()
            for prop in test.get("properties", []):
                if prop.get("name") == "LABELS":
                    labels.update(prop.get("value", []))
            self.tests[test["name"]] = (labels, test["name"] in targets)

    def targets(self, labels):
        names, everything = [], False
        for name, (test_labels, own_target) in sorted(self.tests.items()):
            if test_labels & set(labels):
                if own_target:
                    names.append(name)
                else:
                    everything = True  # a script that runs the program or the package
        return ["all"] if everything or not names else names

    def compile(self, labels, log):
        command = ["cmake", "--build", str(self.build), "-j", str(self.jobs),
                   "--target", *self.targets(labels)]
        with open(log, "a") as out:
            out.write("$ " + " ".join(command) + "\n")
            out.flush()
            return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT).returncode == 0

    def ctest(self, labels, log, excluded, stop_early, limit):
        command = ["ctest", "-L", "^(" + "|".join(sorted(labels)) + ")$",
                   "-j", str(self.jobs), "--output-on-failure"]
        if excluded:
            command += ["-E", "^(" + "|".join(sorted(excluded)) + ")$"]
        if stop_early:
            command.append("--stop-on-failure")
        with open(log, "a") as out:
            out.write("$ " + " ".join(command) + "\n")
            out.flush()
            start = len(log.read_bytes())
            process = subprocess.Popen(command, cwd=self.build, env=self.test_env, stdout=out,
                                       stderr=subprocess.STDOUT, start_new_session=True)
            try:
                code = process.wait(timeout=limit)
            except subprocess.TimeoutExpired:
                stop_group(process)
                return None, set(), set()
            except KeyboardInterrupt:
                # In a session of its own the run does not see the interrupt: stop it here.
                stop_group(process)
                raise
        output = log.read_bytes()[start:].decode(errors="replace")
        failed = set(re.findall(r"^\s*\d+ - (\S+) \(", output, re.M))
        ran = set(re.findall(r"Test\s+#\d+: (\S+) \.", output))
        if code != 0 and not failed:
            failed.add("ctest")
        return code, failed, ran

    def baseline(self, labels):
        key = tuple(sorted(labels))
        if key in self.baselines:
            return self.baselines[key]
        log = self.logs / f"baseline-{'-'.join(key)}.log"
        log.write_text("")
        print(f"Baseline for {', '.join(key)}: building and running the unmutated tests ...",
              flush=True)
        if not self.compile(labels, log):
            fail(f"the unmutated copy does not build; see {log}")
        start = time.monotonic()
        code, failed, ran = self.ctest(labels, log, set(), False, 3600)
        if code is None:
            fail(f"the unmutated tests did not finish within an hour; see {log}")
        result = Baseline(failed if code else set(), ran, time.monotonic() - start)
        if result.failing:
            print(f"  already failing, left out of every run: {', '.join(sorted(result.failing))}")
        print(f"  {len(ran)} tests, {result.seconds:.0f} s", flush=True)
        self.baselines[key] = result
        return result

    def judge(self, mutant, content):
        labels = effective_labels(mutant)
        if not labels:
            mutant.status, mutant.detail = "skipped", "only e2e/package labels (MUTATION_E2E=1)"
            return
        base = self.baseline(labels)
        if not base.tests - base.failing:
            mutant.status, mutant.detail = "unjudged", "every test of its labels fails unmutated"
            return
        log = self.logs / f"{mutant.number:03d}-{mutant.path.replace('/', '_')}.log"
        log.write_text(f"{mutant.path}:{mutant.line}  {mutant.change()}\n")
        source = self.tree / mutant.path
        start = time.monotonic()
        source.write_bytes(content.replace(mutant.text, mutant.replacement, 1).encode("utf-8"))
        try:
            if not self.compile(labels, log):
                mutant.status, mutant.detail = "killed", "build failed"
                return
            # A fault can make a test wait forever (a read that never ends, a loop that never
            # stops): it is stopped well after the unmutated tests would have finished.
            limit = max(60.0, 4 * base.seconds + 30)
            code, failed, _ = self.ctest(labels, log, base.failing, True, limit)
            if code is None:
                mutant.status, mutant.detail = "killed", f"tests ran past {limit:.0f} s"
            elif code != 0:
                mutant.status, mutant.detail = "killed", ", ".join(sorted(failed))
            else:
                mutant.status = "survived"
        finally:
            source.write_bytes(content.encode("utf-8"))
            mutant.seconds = time.monotonic() - start


def stop_group(process):
    """Stops a test run started in a session of its own, with everything it started."""
    for sig, wait in ((signal.SIGTERM, 10), (signal.SIGKILL, 10)):
        try:
            os.killpg(process.pid, sig)
            process.wait(timeout=wait)
            return
        except ProcessLookupError:
            return
        except subprocess.TimeoutExpired:
            continue


# Report -------------------------------------------------------------------------------


def report(mutants, runner, seconds):
    groups = {}
    for m in mutants:
        groups.setdefault(m.folder, []).append(m)
    print()
    print(f"{'folder':<12} {'planted':>7} {'killed':>7} {'survived':>9} {'stale':>6} "
          f"{'other':>6} {'kill rate':>10}")

    def row(name, members):
        count = {s: sum(m.status == s for m in members) for s in ("killed", "survived", "stale")}
        other = len(members) - sum(count.values())
        judged = count["killed"] + count["survived"]
        rate = f"{100 * count['killed'] / judged:.0f}%" if judged else "-"
        print(f"{name:<12} {len(members):>7} {count['killed']:>7} {count['survived']:>9} "
              f"{count['stale']:>6} {other:>6} {rate:>10}")

    order = ["translator", "fft", "analysis", "synthesis", "app/config", "app", "toolkit", "lab"]
    for name in sorted(groups, key=lambda g: (order.index(g) if g in order else len(order), g)):
        row(name, groups[name])
    row("overall", mutants)

    sections = (("survived", "Survivors (every test passed with the fault in place):"),
                ("stale", "Stale (the text is not in the file exactly once: update "
                          f"{MUTANTS_FILE.relative_to(ROOT)}):"),
                ("unjudged", "Not judged:"), ("skipped", "Skipped:"))
    for status, title in sections:
        chosen = [m for m in mutants if m.status == status]
        if not chosen:
            continue
        print()
        print(title)
        for m in chosen:
            where = f"{m.path}:{m.line}" if m.line else m.path
            note = f"  [{m.detail}]" if m.detail and status != "survived" else ""
            print(f"  {where}  {m.change()}{note}  ({MUTANTS_FILE.name}:{m.number})")
    if runner.baselines:
        failing = sorted(set().union(*(b.failing for b in runner.baselines.values())))
        if failing:
            print()
            print(f"Failing before any fault, left out: {', '.join(failing)}")
    print()
    print(f"{len(mutants)} faults in {seconds / 60:.0f} min; logs in {runner.logs}")


def main(argv):
    args = [a for a in argv if not a.startswith("-")]
    options = [a for a in argv if a.startswith("-")]
    if any(o not in ("--check", "-h", "--help") for o in options):
        fail(f"unknown option {' '.join(options)}; see --help")
    if "-h" in options or "--help" in options:
        print(__doc__)
        return 0
    mutants = select(read_mutants(), args)
    if not mutants:
        fail(f"no fault in {MUTANTS_FILE.name} matches {' '.join(args)}")

    if "--check" in options:
        for m in mutants:
            locate(m, ROOT)
        stale = [m for m in mutants if m.status == "stale"]
        for m in stale:
            print(f"stale: {m.path}  {m.change()}  [{m.detail}]  ({MUTANTS_FILE.name}:{m.number})")
        print(f"{len(mutants)} faults, {len(stale)} stale")
        return 0

    work = Path(os.environ.get("MUTATION_DIR") or f"/tmp/fourier-mutation-{getpass.getuser()}")
    work.mkdir(parents=True, exist_ok=True)
    lock = open(work / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        fail(f"another run is using {work}; set MUTATION_DIR to run beside it")
    jobs = int(os.environ.get("MUTATION_JOBS", "2"))
    core_only = all(m.path.startswith(CORE_FOLDERS) and set(effective_labels(m)) <= {"core"}
                    for m in mutants)

    started = time.monotonic()
    print(f"Copying {ROOT} to {work / 'tree'} ...", flush=True)
    (work / "tree").mkdir(exist_ok=True)
    sync_tree(ROOT, work / "tree")
    runner = Runner(work, core_only, jobs)
    shutil.rmtree(runner.logs, ignore_errors=True)
    runner.logs.mkdir()
    print(f"Build folder {runner.build} ({'core only' if core_only else 'full'}), "
          f"{len(mutants)} faults", flush=True)
    runner.configure()
    runner.list_tests()

    try:
        for index, m in enumerate(mutants, 1):
            content = locate(m, runner.tree)
            if content is not None:
                runner.judge(m, content)
            where = f"{m.path}:{m.line}" if m.line else m.path
            detail = f" ({m.detail})" if m.detail else ""
            print(f"[{index}/{len(mutants)}] {m.status:<8} {where}{detail}  {m.seconds:.0f} s",
                  flush=True)
    except KeyboardInterrupt:
        print("\nInterrupted: the copy's files are restored; the faults not yet run are left out.")
        mutants = [m for m in mutants if m.status != "pending"]
        report(mutants, runner, time.monotonic() - started)
        return 130
    with open(work / "results.tsv", "w") as out:
        out.write("status\tfile\tline\ttext\treplacement\tdetail\n")
        for m in mutants:
            out.write(f"{m.status}\t{m.path}\t{m.line}\t{m.text}\t{m.replacement}\t{m.detail}\n")
    report(mutants, runner, time.monotonic() - started)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
