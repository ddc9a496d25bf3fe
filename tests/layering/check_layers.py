#!/usr/bin/env python3
"""Holds every #include of the program's folders to the layer diagram and to the libraries
each folder's CMakeLists links.

A file may include a header of its own folder, or of a folder that is below it in LAYERS
and whose library its own library links (directly or through another). A file belongs to the
top-level folder it lies in. Tests, benchmarks and the forms are not held.
Exit status 1 with one line per offending include.
"""
import pathlib
import re
import sys

# Each folder with its library and the folders it may include, bottom to top.
LAYERS = {
    "device": ("zetra_device", []),
    "link": ("zetra_link", []),
    "spreadsheet": ("zetra_spreadsheet", ["device"]),
    "core": ("zetra_core", ["link", "device"]),
    "archive": ("zetra_archive", ["core", "link", "device", "spreadsheet"]),
    "settings": ("zetra_settings", ["core", "link", "device"]),
    "firmware": ("zetra_firmware", ["core", "link", "device"]),
    "calculators": ("zetra_calculators", ["device"]),
    "store": ("zetra_store", ["archive", "core", "link", "device", "spreadsheet"]),
    "actions": ("zetra_actions", ["store", "archive", "settings", "core", "link", "device"]),
    "charts": ("zetra_charts", ["archive", "core", "link", "device", "spreadsheet"]),
    "documents": ("zetra_documents", ["charts", "store", "archive", "settings", "core", "link", "device"]),
    "app": ("zetra_window", ["actions", "documents", "charts", "store", "archive", "settings", "firmware",
                              "calculators", "core", "link", "device"]),
    "cli": ("zetra_cli_commands", ["actions", "documents", "charts", "store", "archive", "settings", "firmware",
                                   "calculators", "core", "link", "device"]),
    "sim": ("zetra_sim", ["link", "device"]),
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
LINK = re.compile(r"target_link_libraries\(\s*(\w+)\s+(?:PUBLIC|PRIVATE|INTERFACE)?([^)]*)\)",
                  re.S)


def folder_of(path: str):
    """The known top-level folder holding `path` (a path relative to the source root)."""
    top = path.split("/", 1)[0]
    return top if "/" in path and top in LAYERS else None


def links(root: pathlib.Path):
    """Library -> libraries it names in target_link_libraries, over every known folder."""
    graph = {}
    for folder in LAYERS:
        cmake = root / folder / "CMakeLists.txt"
        if not cmake.exists():
            continue
        for target, libs in LINK.findall(cmake.read_text()):
            graph.setdefault(target, set()).update(
                l for l in libs.split() if l not in ("PUBLIC", "PRIVATE", "INTERFACE"))
    return graph


def reachable(graph, target):
    seen, todo = set(), [target]
    while todo:
        for lib in graph.get(todo.pop(), ()):
            if lib not in seen:
                seen.add(lib)
                todo.append(lib)
    return seen


def check(root: pathlib.Path):
    graph = links(root)
    library_folder = {lib: folder for folder, (lib, _) in LAYERS.items()}
    problems = []
    for folder, (lib, allowed) in LAYERS.items():
        for other in graph.get(lib, ()):
            if other in library_folder and library_folder[other] not in allowed:
                problems.append(f"{folder}/CMakeLists.txt: {lib} links {other}, which is not "
                                f"below {folder}")
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        rel = source.relative_to(root).as_posix()
        folder = folder_of(rel)
        if folder is None:
            continue
        lib, allowed = LAYERS[folder]
        linked = {library_folder.get(l) for l in reachable(graph, lib)}
        for header in INCLUDE.findall(source.read_text(encoding="utf-8")):
            target = folder_of(header)
            if target is None or target == folder:
                continue
            if target not in allowed:
                problems.append(f"{rel}: includes {header}, but {target}/ is not below {folder}/")
            elif target not in linked:
                problems.append(f"{rel}: includes {header}, but {lib} does not link "
                                f"{LAYERS[target][0]}")
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    problems = check(root)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
