#!/usr/bin/env python3
"""The namespace check on header texts: each row a header of the settings folder and
whether the check must object."""
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_namespaces  # noqa: E402

CASES = [
    # name, header text, objection expected
    ("all inside", "#pragma once\nnamespace settings {\nstruct A { int x; };\nint f();\n}\n",
     False),
    ("a nested group", "namespace settings::file {\nbool save();\n}\n", False),
    ("a nested group spelled out", "namespace settings {\nnamespace map {\nint n();\n}\n}\n",
     False),
    ("a class at file scope", "class Protocol {\npublic:\n    void f();\n};\n", True),
    ("a forward declaration at file scope", "class Frontend;\nnamespace settings {}\n", True),
    ("a function at file scope", "#include <QString>\nQString name();\n", True),
    ("a constant at file scope", "constexpr int kSize = 4;\n", True),
    ("an enum at file scope", "enum class Field { A, B };\n", True),
    ("a top-level group of its own", "namespace settings_file {\nbool save();\n}\n", True),
    ("another folder's functions", "namespace core {\nint f();\n}\n", True),
    ("another folder's classes forward-declared",
     "namespace line {\nclass Protocol;\n}\nnamespace core {\nclass Frontend;\n}\n", False),
    ("the forms and std", "namespace Ui {\nclass Form1;\n}\n"
     "namespace std {\ntemplate <> struct hash<int>;\n}\n", False),
    ("a metatype line", "namespace settings { struct A {}; }\nQ_DECLARE_METATYPE(settings::A)\n",
     False),
    ("braces and semicolons in comments and texts",
     "// class X; {\n/* struct Y { }; */\nnamespace settings {\nconst char* t = \"};{\";\n}\n",
     False),
    ("a macro over two lines", "#define M(a) \\\n    int a;\nnamespace settings {}\n", False),
]


class Rules(unittest.TestCase):
    def test_cases(self):
        for name, text, objection in CASES:
            with self.subTest(name):
                found = check_namespaces.objections(text, "settings")
                self.assertEqual(bool(found), objection, found)


if __name__ == "__main__":
    unittest.main()
