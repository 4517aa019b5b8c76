#!/usr/bin/env python3
"""Shows that every include between folders under src/ points down, and that Qt stays in the
framework under the _qt naming rule. Prints one line per include between folders and exits 1 on
any that points up or sideways (other than the windows that open one another)."""
import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"

# Bottom first; a folder may include only folders before it in this list.
LAYERS = [
    "platform/core", "platform/text", "platform/properties", "platform/graphics",
    "platform/printing", "platform/controls", "platform/text_area", "platform/windows",
    "platform/menus", "platform/system", "platform/testing",
    "shared", "linegraph", "analysis|help|plot", "startup",
]
# Windows that open one another may name each other's window header.
WINDOW_PAIRS = {("analysis", "plot"), ("plot", "analysis"), ("analysis", "help"),
                ("help", "analysis")}
WINDOW_HEADERS = {"analysis/control_wnd.h", "plot/graph_wnd.h", "help/about_wnd.h",
                  "help/description_wnd.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(path):
    parts = pathlib.PurePosixPath(path).parts
    return "/".join(parts[:2]) if parts[0] == "platform" else parts[0]


def rank(folder):
    for index, layer in enumerate(LAYERS):
        if folder in layer.split("|"):
            return index
    raise SystemExit(f"folder {folder} is in no layer")


def includes_qt(path, seen=None):
    """True when the file includes a Qt header, directly or through a header of its own."""
    seen = seen if seen is not None else set()
    if path in seen:
        return False
    seen.add(path)
    for line in (SRC / path).read_text().splitlines():
        match = INCLUDE.match(line)
        if not match:
            continue
        kind, name = match.groups()
        if kind == "<" and re.match(r"Q[A-Z]", name):
            return True
        if kind == '"' and (SRC / name).exists() and includes_qt(name, seen):
            return True
    return False


def main():
    counts = {"down": 0, "same folder": 0, "window to window": 0}
    faults = []
    pairs = {}
    for file in sorted(SRC.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        source = file.relative_to(SRC).as_posix()
        for line in file.read_text().splitlines():
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, target = match.groups()
            if kind == "<":
                if re.match(r"Q[A-Z]", target) and not source.startswith("platform/"):
                    faults.append(f"Qt outside the framework: {source} includes <{target}>")
                continue
            if not (SRC / target).exists():
                faults.append(f"missing: {source} includes {target}")
                continue
            here, there = folder_of(source), folder_of(target)
            if here == there:
                counts["same folder"] += 1
                continue
            if rank(there) < rank(here):
                verdict = "down"
            elif (here, there) in WINDOW_PAIRS and target in WINDOW_HEADERS:
                verdict = "window to window"
            else:
                verdict = "UP"
                faults.append(f"points up: {source} includes {target}")
            if verdict != "UP":
                counts[verdict] += 1
            pairs.setdefault((here, there, verdict), 0)
            pairs[(here, there, verdict)] += 1
    # A header that shows Qt ends in _qt.h; so does a unit that exists to wrap Qt even where its
    # header keeps Qt out of sight. A plain header is Qt-free.
    for file in sorted(SRC.rglob("*.h")):
        header = file.relative_to(SRC).as_posix()
        unit = header[:-2] + ".cpp"
        wraps_qt = includes_qt(header) or ((SRC / unit).exists() and includes_qt(unit))
        if includes_qt(header) and not header.endswith("_qt.h"):
            faults.append(f"Qt naming: {header} includes Qt without the _qt suffix")
        if header.endswith("_qt.h") and not wraps_qt:
            faults.append(f"Qt naming: {header} has the _qt suffix but its unit uses no Qt")
    for (here, there, verdict), number in sorted(pairs.items(), key=lambda p: (rank(p[0][0]), p[0])):
        print(f"{here:22} -> {there:22} {number:3}  {verdict}")
    print(", ".join(f"{number} {kind}" for kind, number in counts.items()))
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
