#!/usr/bin/env python3
"""Every text the program shows goes through Qt's translation functions under a context that
lupdate extracts and the running program looks up.

Runs lupdate over the program's folders and fails when
- lupdate warns (a tr() it cannot place in a context),
- a source file defines its own tr() wrapper (its context would not be the extracted one),
- a Cyrillic string literal is not among the extracted texts (a text left unmarked), unless
  KEPT_AS_WRITTEN lists its file: texts that files and the meter rely on byte for byte,
- translations/zetra_ru.ts or translations/zetra_en.ts differs from what lupdate extracts now
  (context and text),
- a text with a count (%n) lacks its plural forms in either file (Russian one, few, many;
  English one, other),
- an English translation is unfinished or empty, or does not keep what the code relies on:
  the placeholders %1..%9, the carriage returns and line breaks, and the blanks at either end
  (texts are joined with numbers and names, and report columns are aligned with them).
Usage: check_translations.py SOURCE_DIR LUPDATE
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

FOLDERS = ["device", "core", "app", "actions", "charts", "documents", "link", "archive", "settings", "firmware",
           "calculators", "store", "cli", "forms"]
# Cyrillic literals that are data, not texts for the person, by file: the settings file's
# labels and the text report's fixed table heading are read back by other programs as they
# stand; the answers the person may type at zetra-cli's question.
KEPT_AS_WRITTEN = {
    "settings/SettingsTexts.cpp": re.compile(r":$"),
    "archive/ArchiveTexts.cpp": re.compile(r"\||\(м3\)"),
    "cli/CliFrontend.cpp": re.compile(r"^(д|да)$"),
}
CYRILLIC = re.compile("[\u0400-\u04ff]")
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# Comments, and the string literals that may hold a // of their own (postgresql://...).
COMMENT = re.compile(r'"(?:\\.|[^"\\\n])*"|//[^\n]*|/\*.*?\*/', re.S)
WRAPPER = re.compile(r"\bQString\s+tr\s*\(")


def unescape(text):
    return (text.replace("\\r", "\r").replace("\\n", "\n").replace('\\"', '"')
            .replace("\\\\", "\\"))


def source_text(element):
    """A message's source; lupdate writes control characters as <byte value="xd"/>."""
    text = element.text or ""
    for byte in element:
        text += chr(int(byte.get("value").lstrip("x"), 16)) + (byte.tail or "")
    return text


def messages(ts_path):
    root = ET.parse(ts_path).getroot()
    return {(c.findtext("name"), source_text(m.find("source")))
            for c in root.iter("context") for m in c.iter("message")}


PLACEHOLDER = re.compile(r"%\d")
ENDS = re.compile(r"^(\s*).*?(\s*)$", re.S)


def text_problems(where, source, text):
    """What a translation `text` of `source` loses that the code relies on."""
    if not text:
        return [f"{where} has an empty translation"]
    problems = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
        problems.append(f"{where}: the translation {text!r} changes the placeholders")
    if "%n" in source and "%n" not in text:
        problems.append(f"{where}: the translation {text!r} loses the count %n")
    for mark, what in (("\r", "carriage returns"), ("\n", "line breaks")):
        if source.count(mark) != text.count(mark):
            problems.append(f"{where}: the translation {text!r} changes the {what}")
    if ENDS.match(source).groups() != ENDS.match(text).groups():
        problems.append(f"{where}: the translation {text!r} changes the blanks at its ends")
    return problems


# Plural forms a count takes: English one and other; Russian one (1, 21), few (2-4, 22) and
# many (5-20, 11, 25).
PLURAL_FORMS = {"en": 2, "ru_RU": 3}


def translation_problems(ts_path, plurals_only=False):
    """What is wrong with the translations a .ts file holds, one line per message. With
    `plurals_only`, only the messages with a count (the Russian file translates nothing else)."""
    problems = []
    root = ET.parse(ts_path).getroot()
    forms = PLURAL_FORMS.get(root.get("language"), 2)
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            numerus = message.get("numerus") == "yes"
            if plurals_only and not numerus:
                continue
            source = source_text(message.find("source"))
            element = message.find("translation")
            where = f"{ts_path.name}: {name}: {source!r}"
            if element is None or element.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where} is not translated")
                continue
            if not numerus:
                problems += text_problems(where, source, source_text(element))
                continue
            texts = [source_text(f) for f in element.findall("numerusform")]
            if len(texts) != forms:
                problems.append(f"{where} has {len(texts)} plural forms, not {forms}")
            for text in texts:
                problems += text_problems(where, source, text)
    return problems


def literals(code):
    """The string literals of `code`, adjacent ones joined as the compiler joins them."""
    joined, end = [], None
    for match in LITERAL.finditer(code):
        if end is not None and not code[end:match.start()].strip():
            joined[-1] += match.group(1)
        else:
            joined.append(match.group(1))
        end = match.end()
    return joined


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    lupdate = sys.argv[2]
    problems = []
    with tempfile.TemporaryDirectory() as d:
        ts = pathlib.Path(d) / "zetra_ru.ts"
        run = subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "-source-language",
                              "ru_RU", "-target-language", "ru_RU", *FOLDERS, "-ts", str(ts)],
                             cwd=root, capture_output=True, text=True)
        output = run.stdout + run.stderr
        if run.returncode != 0 or re.search(r"warning|cannot", output, re.I):
            problems.append("lupdate: " + output.strip())
        extracted = messages(ts) if ts.exists() else set()
    texts = {source for _, source in extracted}

    for folder in FOLDERS:
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            rel = source.relative_to(root).as_posix()
            code = COMMENT.sub(lambda m: m.group(0) if m.group(0).startswith('"') else "",
                               source.read_text(encoding="utf-8"))
            if WRAPPER.search(code):
                problems.append(f"{rel}: a tr() wrapper of its own; call "
                                "QCoreApplication::translate with the context")
            kept = KEPT_AS_WRITTEN.get(rel)
            for literal in literals(code):
                text = unescape(literal)
                if kept and kept.search(text):
                    continue
                if CYRILLIC.search(text) and text not in texts:
                    problems.append(f"{rel}: \"{literal}\" is not marked for translation")

    for name in ("zetra_ru.ts", "zetra_en.ts"):
        committed = root / "translations" / name
        if not committed.exists():
            problems.append(f"translations/{name} is missing")
            continue
        have = messages(committed)
        for context, text in sorted(extracted - have):
            problems.append(f"translations/{name} lacks {context}: {text!r}")
        for context, text in sorted(have - extracted):
            problems.append(f"translations/{name} still has {context}: {text!r}")
    english = root / "translations" / "zetra_en.ts"
    if english.exists():
        problems += translation_problems(english)
    russian = root / "translations" / "zetra_ru.ts"
    if russian.exists():
        problems += translation_problems(russian, plurals_only=True)
    if problems:
        print("\n".join(problems))
        print("(scripts/update-translations.sh brings both files up to date; then translate "
              "the unfinished entries of translations/zetra_en.ts and the plural forms of "
              "translations/zetra_ru.ts)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
