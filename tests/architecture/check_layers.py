#!/usr/bin/env python3
"""Checks every '#include "folder/..."' of src/ and tools/ against layers.txt.

A source file belongs to the deepest folder of the table that holds it; an included
header belongs to the deepest folder of the table that its path starts with. An
include across folders must be listed for the including folder. Prints each offending
include as file:line and exits 1 when there is one (or a file lies in no listed
folder), 0 otherwise.
"""
import argparse
import pathlib
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".c"}
# Headers that a library's own include folder makes reachable without its parent.
ALIASES = {"bilogger/": "bi/bilogger/"}


def read_table(path):
    allowed = {}
    for number, line in enumerate(path.read_text().splitlines(), 1):
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        folder, targets = words[0], words[1:]
        if folder in allowed:
            raise SystemExit(f"{path}:{number}: {folder} listed twice")
        allowed[folder] = set() if targets == ["-"] else set(targets)
    for folder, targets in allowed.items():
        for target in targets - allowed.keys():
            raise SystemExit(f"{path}: {folder} may include {target}, which is not listed")
    return allowed


def owner(relative, folders):
    """The deepest listed folder that relative (a path with '/') lies in, or None."""
    best = None
    for folder in folders:
        if relative == folder or relative.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def check(root, allowed):
    problems = []
    for top in ("src", "tools"):
        base = root / top
        for path in sorted(base.rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            relative = path.relative_to(base).as_posix()
            folder = "tools" if top == "tools" else owner(relative, allowed)
            if folder is None:
                problems.append(f"{path.relative_to(root)}: lies in no folder of layers.txt")
                continue
            for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match or "/" not in match.group(1):
                    continue
                header = match.group(1)
                for alias, real in ALIASES.items():
                    if header.startswith(alias):
                        header = real + header[len(alias):]
                target = owner(header, allowed)
                if target is None or target == folder or target in allowed[folder]:
                    continue
                problems.append(f"{path.relative_to(root)}:{number}: {folder} includes {match.group(1)} ({target})")
    return problems


def self_test():
    """The checker itself: a wrong-way include and an unlisted folder must be found."""
    with tempfile.TemporaryDirectory() as temporary:
        root = pathlib.Path(temporary)
        (root / "src/core").mkdir(parents=True)
        (root / "src/wizard").mkdir(parents=True)
        (root / "src/stray").mkdir(parents=True)
        (root / "tools").mkdir()
        (root / "src/wizard/Page.h").write_text('#include "core/Log.h"\n')
        (root / "src/core/Log.h").write_text('#include <QString>\n#include "wizard/Page.h"\n')
        (root / "src/stray/X.cpp").write_text("\n")
        table = {"core": set(), "wizard": {"core"}}
        problems = check(root, table)
        expected = ["src/core/Log.h:2: core includes wizard/Page.h (wizard)",
                    "src/stray/X.cpp: lies in no folder of layers.txt"]
        if problems != expected:
            print("self-test failed:", problems, file=sys.stderr)
            return 1
    print("self-test passed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", type=pathlib.Path, default=pathlib.Path(__file__).resolve().parents[2])
    parser.add_argument("--self-test", action="store_true")
    arguments = parser.parse_args()
    if arguments.self_test:
        return self_test()
    allowed = read_table(pathlib.Path(__file__).with_name("layers.txt"))
    problems = check(arguments.root, allowed)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} include(s) against the layers")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
