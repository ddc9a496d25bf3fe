#!/usr/bin/env python3
"""The English translation check on one-message files: each row a source, its translation as
the .ts file writes it, and whether the check must object."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_translations  # noqa: E402

CR = '<byte value="xd"/>'
NUMERUS = "<translation><numerusform>{}</numerusform><numerusform>{}</numerusform></translation>"
CASES = [
    # name, source, <translation> element, objection expected
    ("translated", "Ждите...", "<translation>Please wait...</translation>", False),
    ("unfinished", "Ждите...", '<translation type="unfinished"></translation>', True),
    ("unfinished with a guess", "Ждите...",
     '<translation type="unfinished">Please wait...</translation>', True),
    ("empty", "Ждите...", "<translation></translation>", True),
    ("missing", "Ждите...", "", True),
    ("placeholders kept", "от %1 до %2", "<translation>from %1 to %2</translation>", False),
    ("placeholders swapped", "от %1 до %2", "<translation>to %2 from %1</translation>", False),
    ("a placeholder lost", "от %1 до %2", "<translation>from %1</translation>", True),
    ("carriage return kept", f"Ошибка{CR}%1", f"<translation>Error{CR}%1</translation>", False),
    ("carriage return lost", f"Ошибка{CR}%1", "<translation>Error %1</translation>", True),
    ("line break lost", "вес\nимпульса", "<translation>pulse weight</translation>", True),
    ("leading blank kept", " записей", "<translation> records</translation>", False),
    ("leading blank lost", " записей", "<translation>records</translation>", True),
    ("column width kept", "Итого:    ", "<translation>Total:    </translation>", False),
    ("trailing blanks shortened", "Итого:    ", "<translation>Total: </translation>", True),
    ("trailing blank before a port name", "Не удаётся открыть порт ",
     "<translation>Cannot open port</translation>", True),
    # A text with a count: one form per English plural, each with the count.
    ("plural forms", "%n полей", NUMERUS.format("%n field", "%n fields"), False),
    ("a plural form empty", "%n полей", NUMERUS.format("%n field", ""), True),
    ("a plural form without the count", "%n полей", NUMERUS.format("one field", "%n fields"),
     True),
    ("one plural form only", "%n полей",
     "<translation><numerusform>%n fields</numerusform></translation>", True),
]


def ts_file(source, translation):
    numerus = ' numerus="yes"' if "%n" in source else ""
    return ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
            '<TS version="2.1" language="en" sourcelanguage="ru_RU">\n'
            f"<context><name>Zetra</name><message{numerus}>"
            f"<source>{source}</source>"
            f"{translation}</message></context></TS>\n")


class EnglishTranslation(unittest.TestCase):
    def test_cases(self):
        for name, source, translation, objection in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as d:
                path = pathlib.Path(d) / "zetra_en.ts"
                path.write_text(ts_file(source, translation), encoding="utf-8")
                problems = check_translations.translation_problems(path)
                self.assertEqual(bool(problems), objection, problems)


class RussianPlurals(unittest.TestCase):
    """The Russian file translates only the texts with a count, into its three forms."""

    def test_cases(self):
        forms = "".join(f"<numerusform>%n {w}</numerusform>" for w in ("поле", "поля", "полей"))
        cases = [
            ("three forms", "%n полей", f"<translation>{forms}</translation>", False),
            ("two forms", "%n полей", NUMERUS.format("%n поле", "%n полей"), True),
            ("unfinished", "%n полей", '<translation type="unfinished"></translation>', True),
            ("a text without a count", "Ждите...", '<translation type="unfinished"></translation>',
             False),
        ]
        for name, source, translation, objection in cases:
            with self.subTest(name), tempfile.TemporaryDirectory() as d:
                path = pathlib.Path(d) / "zetra_ru.ts"
                path.write_text(ts_file(source, translation).replace(
                    'language="en"', 'language="ru_RU"'), encoding="utf-8")
                problems = check_translations.translation_problems(path, plurals_only=True)
                self.assertEqual(bool(problems), objection, problems)


if __name__ == "__main__":
    unittest.main()
