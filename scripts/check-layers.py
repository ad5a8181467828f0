#!/usr/bin/env python3
"""Checks the library graph under src/ against the #include lines.

Each folder of src/ is one library, declared with lumavive_add_library() in its CMakeLists.txt.
Fails when
  - a file includes "<folder>/X.h" of a library its own library does not link directly,
  - a file outside src/media includes an FFmpeg header,
  - a file in the libraries below the window includes Qt Quick or Qml,
  - the link graph has a cycle.
Prints the graph, lowest layer first.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
src = root / "src"
problems = []

# folder -> (library name, linked libraries)
libraries = {}
for cmake in sorted(src.glob("*/CMakeLists.txt")):
    text = cmake.read_text()
    match = re.search(r"lumavive_add_library\((\w+)(.*?)\n\)", text, re.S)
    if not match:
        continue
    body = match.group(2)
    links = set()
    for section in re.findall(r"(?:PUBLIC_LIBS|PRIVATE_LIBS)(.*?)(?=PUBLIC_LIBS|PRIVATE_LIBS|SOURCES|$)", body, re.S):
        links.update(re.findall(r"\blumavive_(\w+)", section))
    libraries[cmake.parent.name] = (match.group(1), links)

by_library = {name.removeprefix("lumavive_"): folder for folder, (name, _) in libraries.items()}
links_of = {folder: {by_library.get(l, l) for l in links} for folder, (_, links) in libraries.items()}

quick = re.compile(r'#include\s*<(QtQuick|QtQml|QQuick|QQml|QJS)')
for folder in libraries:
    for path in sorted((src / folder).glob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for number, line in enumerate(path.read_text().splitlines(), 1):
            where = f"{path.relative_to(root)}:{number}"
            included = re.match(r'\s*#\s*include\s*"(\w+)/[^"]+"', line)
            if included:
                target = included.group(1)
                if target in libraries and target != folder and target not in links_of[folder]:
                    problems.append(f"{where}: includes {target}/ but {folder} does not link it")
            if re.match(r"\s*#\s*include\s*<lib(av|sw)\w*/", line) and folder != "media":
                problems.append(f"{where}: FFmpeg header outside src/media")
            if quick.match(line) and folder != "app":
                problems.append(f"{where}: Qt Quick or Qml outside src/app")

# Depth-first search for a cycle; the order found is the layering.
order, state = [], {}
def visit(folder, path):
    if state.get(folder) == "done":
        return
    if state.get(folder) == "open":
        cycle = path[path.index(folder):] + [folder]
        problems.append("cycle: " + " -> ".join(cycle))
        return
    state[folder] = "open"
    for dependency in sorted(links_of[folder]):
        if dependency in libraries:
            visit(dependency, path + [folder])
    state[folder] = "done"
    order.append(folder)

for folder in sorted(libraries):
    visit(folder, [])

for folder in order:
    internal = sorted(d for d in links_of[folder] if d in libraries)
    print(f"{libraries[folder][0]:20} -> {', '.join('lumavive_' + d for d in internal) or '(Qt only)'}")
if problems:
    print("\n".join(problems), file=sys.stderr)
    sys.exit(1)
print("layers: no cycle, every include is linked")
