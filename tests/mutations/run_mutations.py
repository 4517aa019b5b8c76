#!/usr/bin/env python3
"""Applies one-line mutations of the program one at a time and records which ones the tests catch.

Run it in a scratch worktree (never in one you work in: it edits files under src/ and restores
them afterwards):

    git worktree add --detach /tmp/wtmut HEAD
    tests/mutations/run_mutations.py --tree /tmp/wtmut --out results.txt

Each line of mutations.txt is

    id @@ file basename @@ original text @@ replacement text

(several basenames, separated by "|", name a unit that was renamed or split)

(the separator is " @@ "; further leading blanks of a text are part of it, so indentation can
tell two otherwise equal lines apart)

The file is found by its basename anywhere under src/ (folders move; names rarely do). If no
file has that name, or it no longer holds the text, the one file under src/ holding the original
text is used. The original
must occur exactly once in the file, on one line. A mutation is

    caught          a test failed (a test running past the timeout counts)
    survived        the tests passed
    did-not-apply   the file or the text was not found, or not exactly once
    build-failed    the mutated program does not compile (the mutation needs rewording)
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

SEPARATOR = " @@ "


def parse_mutations(path):
    mutations = []
    with open(path, encoding="utf-8") as listing:
        for number, line in enumerate(listing, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = line.split(SEPARATOR)
            if len(fields) != 4:
                sys.exit(f"{path}:{number}: expected 'id @@ file @@ original @@ replacement'")
            # Spaces after the separator's own belong to the text: indentation can tell two
            # otherwise equal lines apart.
            ident, basename = fields[0].strip(), fields[1].strip()
            original, replacement = fields[2].rstrip(), fields[3].rstrip()
            mutations.append((ident, basename, original, replacement))
    return mutations


def source_files(tree):
    for folder, _, names in os.walk(os.path.join(tree, "src")):
        for name in names:
            if name.endswith((".cpp", ".h")):
                yield os.path.join(folder, name)


def locate(tree, basename, original):
    """The file to mutate, or an explanation why there is none."""
    names = basename.split("|")  # the unit's names, older first, where it was renamed or split
    named = [path for path in source_files(tree) if os.path.basename(path) in names]
    holders = [path for path in named if original in read(path)]
    if len(holders) == 1:
        return holders[0], None
    if len(holders) > 1:
        return None, f"{len(holders)} files named {basename} hold the text"
    # The file was renamed, or the text moved to another file (a unit split in two): the one file
    # under src/ that holds the text.
    holding = [path for path in source_files(tree) if original in read(path)]
    if len(holding) != 1:
        where = "no file named " + basename if not named else "not in " + basename
        return None, f"{where}, and {len(holding)} other files hold the text"
    return holding[0], None


def read(path):
    with open(path, encoding="utf-8") as source:
        return source.read()


def write(path, text):
    with open(path, "w", encoding="utf-8") as source:
        source.write(text)


def test_targets(tree):
    """test_<area> for every folder of tests/ with test sources, as CMakeLists.txt makes them."""
    tests = os.path.join(tree, "tests")
    return sorted(f"test_{area}" for area in os.listdir(tests)
                  if area not in ("fuzz", "support") and os.path.isdir(os.path.join(tests, area))
                  and any(name.endswith(".cpp") for name in os.listdir(os.path.join(tests, area))))


def build_tests(build, targets, jobs):
    result = subprocess.run(["cmake", "--build", build, "-j", str(jobs), "--target", *targets],
                            capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


def run_tests(build, timeout, jobs):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    # The fuzz corpus replays are not built here; the unit tests hold the same inputs.
    result = subprocess.run(["ctest", "-j", str(jobs), "--timeout", str(timeout), "-E", "_fuzz$"],
                            cwd=build, env=env, capture_output=True, text=True)
    failed = re.findall(r"\d+ - (\w+) \(", result.stdout)
    return result.returncode == 0, failed


def problem_with(tree, basename, original):
    path, problem = locate(tree, basename, original)
    if problem:
        return problem
    found = read(path).count(original)
    return None if found == 1 else f"found {found} times in {os.path.relpath(path, tree)}"


def check(tree, mutations):
    problems = 0
    for ident, basename, original, _ in mutations:
        problem = problem_with(tree, basename, original)
        if problem:
            problems += 1
            print(f"{ident}: {problem}")
    print(f"{len(mutations)} mutations, {problems} do not apply")
    return 1 if problems else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--tree", required=True, help="scratch worktree to mutate")
    parser.add_argument("--build", help="its build folder (default: <tree>/build-mutations)")
    parser.add_argument("--list", default=os.path.join(here, "mutations.txt"))
    parser.add_argument("--out", required=True, help="results file (one line per mutation)")
    parser.add_argument("--only", nargs="*", help="ids to run (default: all)")
    parser.add_argument("--timeout", type=int, default=60, help="seconds per test executable")
    parser.add_argument("--jobs", type=int, default=4)
    parser.add_argument("--shard", default="1/1",
                        help="k/n: run every n-th mutation from the k-th, to share the list "
                             "between n scratch worktrees")
    parser.add_argument("--check", action="store_true",
                        help="only report the mutations that do not apply, build nothing")
    args = parser.parse_args()
    if args.check:
        sys.exit(check(os.path.abspath(args.tree), parse_mutations(args.list)))

    tree = os.path.abspath(args.tree)
    build = os.path.abspath(args.build or os.path.join(tree, "build-mutations"))
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        # Unoptimised and linked by lld: each mutation rebuilds one unit and relinks every test
        # program, and the tests take a second either way.
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        subprocess.run(["cmake", "-S", tree, "-B", build, *generator, "-DCMAKE_BUILD_TYPE=Debug",
                        "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"],
                       check=True, capture_output=True)
    targets = test_targets(tree)
    ok, log = build_tests(build, targets, args.jobs)
    if not ok:
        sys.exit("the unmutated tree does not build:\n" + log[-3000:])
    passed, failed = run_tests(build, args.timeout, 8)
    if not passed:
        sys.exit(f"the unmutated tree fails tests: {failed}")

    mutations = parse_mutations(args.list)
    if args.only:
        mutations = [mutation for mutation in mutations if mutation[0] in args.only]
    shard, shards = (int(part) for part in args.shard.split("/"))
    mutations = mutations[shard - 1::shards]
    counts = {}
    with open(args.out, "w", encoding="utf-8") as out:
        for ident, basename, original, replacement in mutations:
            started = time.time()
            problem = problem_with(tree, basename, original)
            if problem:
                outcome, detail = "did-not-apply", problem
            else:
                path, _ = locate(tree, basename, original)
                text = read(path)
                if True:
                    write(path, text.replace(original, replacement))
                    try:
                        built, log = build_tests(build, targets, args.jobs)
                        if not built:
                            errors = [l for l in log.splitlines() if "error" in l]
                            outcome, detail = "build-failed", (errors or ["?"])[0][:200]
                        else:
                            passed, failed = run_tests(build, args.timeout, 8)
                            outcome = "survived" if passed else "caught"
                            detail = ",".join(failed)
                    finally:
                        write(path, text)
            counts[outcome] = counts.get(outcome, 0) + 1
            line = f"{ident} {outcome} {detail}".rstrip()
            print(f"{line}  ({time.time() - started:.0f}s)", flush=True)
            out.write(line + "\n")
            out.flush()
    build_tests(build, targets, args.jobs)  # leave the build matching the restored sources
    summary = ", ".join(f"{count} {outcome}" for outcome, count in sorted(counts.items()))
    print(f"{len(mutations)} mutations: {summary}")


if __name__ == "__main__":
    main()
