#!/usr/bin/env python3
"""The layering check on small made-up trees: each row a folder's CMake links, one source
line, and whether the check must object."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402

CASES = [
    # name, folder, links, include, objection expected
    ("own folder", "settings", "zetra_core", "settings/SettingsMap.h", False),
    ("below and linked", "settings", "zetra_core zetra_device", "device/MemoryMap.h", False),
    ("below, linked through core", "settings", "zetra_core", "link/Protocol.h", False),
    ("below but not linked", "settings", "zetra_core", "spreadsheet/Workbook.h", True),
    ("a neighbour, not below", "settings", "zetra_core", "archive/ArchiveLayout.h", True),
    ("a front end from below", "core", "zetra_link", "app/ProU.h", True),
    ("the actions from the window", "app", "zetra_actions", "actions/Actions.h", False),
    ("the actions from the command line", "cli", "zetra_actions", "actions/Actions.h", False),
    ("the window from the actions", "actions", "zetra_core", "app/ProU.h", True),
    ("the window from the command line", "cli", "zetra_actions", "app/InfoTab.h", True),
    ("a system header", "core", "zetra_link", "QString", False),
]

CMAKE = {
    "core": "add_library(zetra_core STATIC)\ntarget_link_libraries(zetra_core PUBLIC {})\n",
    "link": "add_library(zetra_link STATIC)\n",
    "actions": "add_library(zetra_actions STATIC)\ntarget_link_libraries(zetra_actions PUBLIC {})\n",
}


class Rules(unittest.TestCase):
    def test_cases(self):
        for name, folder, linked, header, objection in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as d:
                root = pathlib.Path(d)
                lib = check_layers.LAYERS[folder][0]
                (root / folder).mkdir(parents=True)
                (root / folder / "CMakeLists.txt").write_text(
                    f"target_link_libraries({lib} PUBLIC {linked})\n")
                if folder != "core":
                    (root / "core").mkdir(exist_ok=True)
                    (root / "core" / "CMakeLists.txt").write_text(
                        CMAKE["core"].format("zetra_link zetra_device"))
                (root / folder / "a.cpp").write_text(f'#include "{header}"\n')
                problems = check_layers.check(root)
                self.assertEqual(bool(problems), objection, problems)

    def test_a_link_upwards(self):
        with tempfile.TemporaryDirectory() as d:
            root = pathlib.Path(d)
            (root / "core").mkdir()
            (root / "core" / "CMakeLists.txt").write_text(CMAKE["core"].format("zetra_archive"))
            self.assertTrue(check_layers.check(root))


if __name__ == "__main__":
    unittest.main()
