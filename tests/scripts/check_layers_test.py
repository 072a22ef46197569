#!/usr/bin/python3
"""scripts/check-layers over small trees of its own: each fault it must find,
and the shapes it must let pass."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-layers"

# Three layers as the real tree links them: core <- vcard <- ui.
LAYERS = {
    "src/core/CMakeLists.txt": "add_library(quillmere_core STATIC A.h)\n"
                               "target_link_libraries(quillmere_core PUBLIC Qt6::Core)\n",
    "src/vcard/CMakeLists.txt": "add_library(quillmere_vcard STATIC B.h)\n"
                                "target_link_libraries(quillmere_vcard PUBLIC quillmere_core)\n",
    "src/ui/CMakeLists.txt": "add_library(quillmere_ui STATIC C.h)\n"
                             "target_link_libraries(quillmere_ui PUBLIC quillmere_vcard Qt6::Widgets)\n",
}

CASES = [
    # name, files added to the three layers, what the report holds ("" for nothing)
    ("a layer including the one below it", {"src/ui/C.cpp": '#include "vcard/B.h"\n'}, ""),
    ("a layer including one two below it", {"src/ui/C.cpp": '#include "core/A.h"\n'}, ""),
    ("a lower layer including a higher one", {"src/vcard/B.cpp": '#include "core/A.h"\n#include "ui/C.h"\n'},
     "src/vcard/B.cpp:2: includes ui/C.h, but vcard does not link ui"),
    ("the lowest including the highest", {"src/core/A.h": '#pragma once\n#include "ui/C.h"\n'},
     "src/core/A.h:2: includes ui/C.h, but core does not link ui"),
    ("two files of a layer in a loop",
     {"src/ui/C.cpp": '#include "ui/D.h"\n', "src/ui/D.cpp": '#include "ui/C.h"\n', "src/ui/C.h": "", "src/ui/D.h": ""},
     "src/ui: files include each other in a loop: ui/C -> ui/D -> ui/C"),
    ("three files of a layer in a loop",
     {"src/ui/C.h": '#include "ui/D.h"\n', "src/ui/D.h": '#include "ui/E.h"\n', "src/ui/E.cpp": '#include "ui/C.h"\n'},
     "ui/C -> ui/D -> ui/E -> ui/C"),
    ("a file and its header", {"src/ui/C.cpp": '#include "ui/C.h"\n', "src/ui/C.h": '#include "ui/D.h"\n',
                                "src/ui/D.h": ""}, ""),
    ("a field by its number in brackets", {"tests/x/T.cpp": "c.fields[24] = path;\n"}, "tests/x/T.cpp:1: fields[number]"),
    ("a field by its number through at()", {"src/vcard/B.cpp": "return card->fields.at(3);\n"}, "fields[number]"),
    ("the first of a list of named fields", {"src/vcard/B.cpp": "if (f != fields[0])\n"}, ""),
    ("a field's text by its number", {"tests/x/T.cpp": "EXPECT_EQ(h.form->text(18), u\"x\");\n"},
     "a field's number"),
    ("a field set by its number", {"bench/R.cpp": "form.setText(5, text);\n"}, "bench/R.cpp:1: a field's number"),
    ("an address line as a name plus a number", {"src/vcard/B.cpp": "x = F::WorkAddress + 1;\n"},
     "a field's name plus a number"),
    ("a number in an expected text", {"tests/x/T.cpp": 'EXPECT_EQ(shown, "18=555 0100");\n'},
     "a field's number in an expected text"),
    ("fields by name", {"tests/x/T.cpp": "c.fields[F::HomeVoice] = n; h.form->text(F::Notes); x.setText(i, t);\n"},
     ""),
    ("a control's object name holding its number", {"src/ui/C.cpp": 'setObjectName(QStringLiteral("txtTextbox(25)"));\n'},
     ""),
    ("the naming table itself", {"src/core/ContactSource.h": "static constexpr Field byIndex[] = {fields[0]};\n"}, ""),
]


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for name, text in {**LAYERS, **files}.items():
            path = pathlib.Path(root, name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        for folder in ("tests", "bench"):
            pathlib.Path(root, folder).mkdir(exist_ok=True)
        return subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)


class CheckLayers(unittest.TestCase):
    def test_each_case(self):
        for name, files, expected in CASES:
            with self.subTest(name):
                result = run(files)
                if expected:
                    self.assertEqual(result.returncode, 1, result.stdout)
                    self.assertIn(expected, result.stdout)
                else:
                    self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
                    self.assertEqual(result.stdout, "")


if __name__ == "__main__":
    unittest.main()
