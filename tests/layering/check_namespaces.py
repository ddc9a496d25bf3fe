#!/usr/bin/env python3
"""Holds every header of a library folder to its namespace: what a header declares lives
inside `namespace <folder>`, possibly in a namespace nested in it.

Objects to a class, struct, enum, union, function or variable declared at file scope outside
any namespace, and to a top-level namespace other than the folder's. `Ui` (the forms), `std`
and `QT_BEGIN_NAMESPACE` blocks are Qt's or the library's own, and `Q_DECLARE_METATYPE` lines
name a type from outside; they are let through, and so is another library folder's namespace
opened only to forward-declare its classes. Exit status 1 with one line per objection.
"""
import pathlib
import re
import sys

# Each library folder with the namespace its headers declare into.
FOLDERS = {
    "device": "device",
    "link": "line",  # the C library declares a function link()
    "core": "core",
    "archive": "archive",
    "settings": "settings",
    "firmware": "firmware",
    "calculators": "calculators",
    "store": "store",
    "spreadsheet": "spreadsheet",
    "actions": "actions",
    "charts": "charts",
    "documents": "documents",
    "cli": "cli",
    "sim": "sim",
}

# Top-level namespaces a header may open besides its folder's.
FOREIGN = {"Ui", "std"}

COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
STRING = re.compile(r'"(?:\\.|[^"\\\n])*"' r"|'(?:\\.|[^'\\\n])*'")
NAMESPACE = re.compile(r"\bnamespace\s+([A-Za-z_][\w:]*)?\s*\{")
SKIPPED = re.compile(r"^\s*(#|Q_DECLARE_METATYPE|QT_BEGIN_NAMESPACE|QT_END_NAMESPACE|"
                     r"using\s|template\s*<\s*>|extern\s+\"C\"|$)")


def strip(text: str) -> str:
    """The text with comments and literals blanked, line breaks kept."""
    def blank(m):
        return re.sub(r"[^\n]", " ", m.group(0))
    text = STRING.sub(lambda m: '""', text)
    text = COMMENT.sub(blank, text)
    # Preprocessor lines may end with a backslash: join them away.
    return re.sub(r"\\\n", " ", text)


def objections(text: str, expected: str):
    """(line, what) for each file-scope declaration outside `expected`."""
    text = strip(text)
    found = []
    depth = 0          # braces open at this point
    ns_depths = []     # brace depth at which each open namespace started
    statement = ""     # file-scope text since the last ';', '{' or '}'
    line = 1
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\n":
            line += 1
        at_file_scope = depth == 0
        if at_file_scope and c == "#":
            end = text.find("\n", i)
            end = len(text) if end < 0 else end
            i = end
            continue
        if at_file_scope:
            m = NAMESPACE.match(text, i)
            if m and not statement.strip():
                name = (m.group(1) or "").split("::")[0]
                if (name != expected and name not in FOREIGN
                        and not (name in FOLDERS.values() and forward_only(text, m.end()))):
                    found.append((line, f"opens namespace {m.group(1) or '(anonymous)'}"))
                ns_depths.append(depth)
                depth += 1
                line += text.count("\n", i, m.end())
                i = m.end()
                statement = ""
                continue
        if c == "{":
            if at_file_scope and statement.strip() and not SKIPPED.match(statement.strip()):
                found.append((line, f"declares {first_words(statement)} outside any namespace"))
            depth += 1
            statement = ""
        elif c == "}":
            depth -= 1
            if ns_depths and ns_depths[-1] == depth:
                ns_depths.pop()
            statement = ""
        elif c == ";":
            if depth == 0 and statement.strip() and not SKIPPED.match(statement.strip()):
                found.append((line, f"declares {first_words(statement)} outside any namespace"))
            statement = ""
        elif depth == 0:
            statement += c
        i += 1
    return found


FORWARD = re.compile(r"\s*((class|struct)\s+\w+\s*;\s*|namespace\s+\w+\s*\{)*")


def forward_only(text: str, start: int) -> bool:
    """Whether the namespace body opening at `start` only forward-declares classes of
    another folder (`namespace link { class Protocol; }`)."""
    depth, i = 1, start
    while depth and i < len(text):
        depth += {"{": 1, "}": -1}.get(text[i], 0)
        i += 1
    body = text[start:i - 1].replace("}", " ")
    return FORWARD.fullmatch(body) is not None


def first_words(statement: str) -> str:
    return " ".join(statement.split()[:3])


def check(root: pathlib.Path):
    problems = []
    for folder, namespace in FOLDERS.items():
        for header in sorted((root / folder).glob("*.h")):
            rel = header.relative_to(root).as_posix()
            for line, what in objections(header.read_text(encoding="utf-8"), namespace):
                problems.append(f"{rel}:{line}: {what}, not in namespace {namespace}")
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    problems = check(root)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
