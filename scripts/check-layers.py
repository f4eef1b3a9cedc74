#!/usr/bin/env python3
"""The folders of src/ form layers, and an #include may only reach down:

    settings < platform < shell < overlay < effects < capture < suite < region < hotkeys < prefs < update < app

settings/ holds the portable settings engine, platform/ the thin wrappers over Win32, shell/ the contract
every feature shares (program state and modes, menus, the seam into the main window, geometry and colour
types), then the feature folders, and app/ the composition root, which no other folder includes. A file
may include files of its own folder and of the folders below it. The check also reports any cycle between
folders, and any folder it does not know.

Prints each offending include as "file:line: message" and one line "== layers: N passed, M failed"
(one check). `--src DIR` checks another tree (used to try the check on a deliberately wrong include).
"""

import argparse
import collections
import pathlib
import re
import sys

LAYERS = ["settings", "platform", "shell", "overlay", "effects", "capture", "suite", "region", "hotkeys", "prefs",
          "update", "app"]
ROOT = "app"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"')


def includes(src: pathlib.Path):
    """Every quoted include of a folder of src/: (including folder, file, line number, included folder)."""
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        folder = path.relative_to(src).parts[0]
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if match and match.group(1) != folder:
                yield folder, path, number, match.group(1)


def layer_problem(folder: str, target: str):
    if folder not in LAYERS:
        return f"{folder}/ is no layer of src/ (known: {', '.join(LAYERS)})"
    if target not in LAYERS:
        return f"includes {target}/, which is no layer of src/"
    if target == ROOT:
        return f"{folder}/ includes the composition root {ROOT}/, which nothing outside it may include"
    if LAYERS.index(target) > LAYERS.index(folder):
        return f"{folder}/ lies below {target}/ and may not include it ({' < '.join(LAYERS)})"
    return None


def cycles(edges):
    """The groups of folders that reach one another through their includes (strongly connected
    components of more than one folder), each sorted."""
    graph = {}
    for folder, target in edges:
        graph.setdefault(folder, set()).add(target)
        graph.setdefault(target, set())
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def connect(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph[node]):
            if nxt not in index:
                connect(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for node in sorted(graph):
        if node not in index:
            connect(node)
    return sorted(groups)


def shortest_loop(group, edges):
    """One shortest loop of includes within the group, through an include that runs against the layers
    where there is one: the folder pairs in order."""
    inside = sorted((a, b) for a, b in edges if a in group and b in group)
    upward = [(a, b) for a, b in inside if layer_problem(a, b)]
    first, second = (upward or inside)[0]
    # Breadth first from the included folder back to the including one; within the group there is a way.
    parent = {second: None}
    queue = collections.deque([second])
    while first not in parent:
        node = queue.popleft()
        for a, b in inside:
            if a == node and b not in parent:
                parent[b] = node
                queue.append(b)
    way = []
    node = first
    while parent[node] is not None:
        way.append((parent[node], node))
        node = parent[node]
    return [(first, second)] + way[::-1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--src", default=str(pathlib.Path(__file__).resolve().parent.parent / "src"))
    src = pathlib.Path(parser.parse_args().src)
    problems = []
    edges = {}
    for folder, path, number, target in includes(src):
        edges.setdefault((folder, target), (path, number))
        message = layer_problem(folder, target)
        if message:
            problems.append(f"{path.relative_to(src.parent)}:{number}: {message}")
    for group in cycles(edges):
        sites = []
        for a, b in shortest_loop(group, edges):
            path, number = edges[(a, b)]
            sites.append(f"{a}/ -> {b}/ at {path.relative_to(src.parent)}:{number}")
        problems.append(f"cycle between folders {', '.join(g + '/' for g in group)}, for example: " + "; ".join(sites))
    for problem in problems:
        print(problem)
    failed = 1 if problems else 0
    print(f"== layers: {1 - failed} passed, {failed} failed")
    return failed


if __name__ == "__main__":
    sys.exit(main())
