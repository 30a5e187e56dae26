#!/usr/bin/env python3
"""Checks that the program's includes only point down its layers.

Usage: check_layers.py [SOURCE_DIR]

Every `#include "..."` of a source or header in the program's folders must name a file of the
same layer or of a layer below it; within the layer of the commands and dialogs, pictures/,
text/ and print/ may not include each other either. The toolbox shows the rest of the program
one header, toolbox/toolbox.h. Each include that breaks a rule is printed as FILE:LINE: why, and
the exit code is then 1. Tests and benchmarks may include anything and are not read.
"""
import os
import re
import sys

# Lowest first. A layer is a list of groups; a group is the path prefixes of its files. Files
# match their longest prefix, so shell/preferences.* lies below the rest of shell/.
LAYERS = [
    ("resources", [["resources/"]]),
    ("toolbox", [["toolbox/"]]),
    ("preferences", [["shell/preferences."]]),
    ("tools", [["tools/"]]),
    ("scene", [["scene/"]]),
    ("commands and dialogs", [["pictures/"], ["text/"], ["print/"]]),
    ("shell", [["shell/"]]),
]

# The only toolbox header the layers above may include.
TOOLBOX_PUBLIC = "toolbox/toolbox.h"

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def place_of(path):
    """(layer index, group index, prefix) of a project path, or None outside every layer."""
    best = None
    for layer, (_, groups) in enumerate(LAYERS):
        for group, prefixes in enumerate(groups):
            for prefix in prefixes:
                if path.startswith(prefix) and (best is None or len(prefix) > len(best[2])):
                    best = (layer, group, prefix)
    return best


def program_files(root):
    folders = {prefix.split("/")[0] for _, groups in LAYERS for prefixes in groups
               for prefix in prefixes}
    for folder in sorted(folders):
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    full = os.path.join(directory, name)
                    yield os.path.relpath(full, root).replace(os.sep, "/")


def problems_in(root, path):
    here = place_of(path)
    if here is None:
        return
    with open(os.path.join(root, path), encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if match is None:
                continue
            target = match.group(1)
            there = place_of(target)
            if there is None:
                if target.split("/")[0] in ("tests", "bench"):
                    yield number, '"%s" belongs to the tests, not to the program' % target
                continue
            here_name, there_name = LAYERS[here[0]][0], LAYERS[there[0]][0]
            if there[0] > here[0]:
                yield number, '"%s" runs upward: %s may not use %s' % (target, here_name,
                                                                       there_name)
            elif there[0] == here[0] and there[1] != here[1]:
                yield number, '"%s" runs across: %s and %s stand side by side in %s' % (
                    target, here[2].rstrip("/"), there[2].rstrip("/"), here_name)
            elif (target.startswith("toolbox/") and target != TOOLBOX_PUBLIC
                  and not path.startswith("toolbox/")):
                yield number, '"%s" is the toolbox\'s own; use %s' % (target, TOOLBOX_PUBLIC)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    root = os.path.abspath(root)
    found = 0
    for path in program_files(root):
        for number, why in problems_in(root, path):
            print("%s:%d: %s" % (path, number, why))
            found += 1
    if found:
        order = " -> ".join(name for name, _ in LAYERS)
        print("%d include%s against the layer order (lowest first): %s" %
              (found, "" if found == 1 else "s", order))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
