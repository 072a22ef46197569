#!/usr/bin/python3
"""scripts/check-translations over small trees of its own: each fault it must
find, and the translations it must let pass."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-translations"

SOURCE = """#include <QCoreApplication>
void f()
{
    QCoreApplication::translate("Window", "&Save");
    QCoreApplication::translate("Window", "%n file(s)", nullptr, 3);
    QCoreApplication::translate("Window", "Saved %1 in %2");
    QCoreApplication::translate("Window", "Fish & Chips");
}
"""

# The messages of SOURCE, translated; each case replaces one of them.
SAVE = '<message><source>&amp;Save</source><translation>&amp;Speichern</translation></message>'
FILES = ('<message numerus="yes"><source>%n file(s)</source><translation>'
         '<numerusform>%n Datei</numerusform><numerusform>%n Dateien</numerusform></translation></message>')
SAVED = '<message><source>Saved %1 in %2</source><translation>%1 in %2 gespeichert</translation></message>'
FISH = '<message><source>Fish &amp; Chips</source><translation>Fisch mit Pommes</translation></message>'


def ts(*messages, context="Window"):
    return ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="de_DE">\n'
            f'<context><name>{context}</name>{"".join(messages)}</context>\n</TS>\n')


GOOD = ts(SAVE, FILES, SAVED, FISH)

CASES = [
    # name, the .ts files (name -> text), the source (None: SOURCE), what the report holds ("" for nothing)
    ("every text translated", {"q_de.ts": GOOD}, None, ""),
    ("the same in two languages", {"q_de.ts": GOOD, "q_fr.ts": GOOD.replace("de_DE", "fr_FR")}, None, ""),
    ("placeholders in another order", {"q_de.ts": GOOD.replace("%1 in %2 gespeichert", "In %2: %1")}, None, ""),
    ("a character written as a byte", {"q_de.ts": GOOD.replace("%1 in %2 gespeichert", '%1 in<byte value="xa0"/>%2 gespeichert')},
     None, ""),
    ("a placeholder in the locale's digits", {"q_de.ts": GOOD.replace("%n Datei<", "%Ln Datei<")}, None, ""),
    ("no translation file", {}, None, "no .ts file"),
    ("an unfinished message",
     {"q_de.ts": GOOD.replace("<translation>&amp;Speichern", '<translation type="unfinished">&amp;Speichern')},
     None, "q_de.ts: Window: '&Save': unfinished"),
    ("an obsolete message",
     {"q_de.ts": ts(SAVE, FILES, SAVED, FISH, SAVE.replace("Save", "Load").replace(
         "<translation>", '<translation type="obsolete">'))},
     None, "'&Load': obsolete"),
    ("a vanished message",
     {"q_de.ts": ts(SAVE, FILES, SAVED, FISH, SAVE.replace("Save", "Load").replace(
         "<translation>", '<translation type="vanished">'))},
     None, "'&Load': vanished"),
    ("an empty translation", {"q_de.ts": ts(SAVE, FILES, SAVED.replace("%1 in %2 gespeichert", ""), FISH)}, None,
     "'Saved %1 in %2': an empty translation"),
    ("an empty plural form", {"q_de.ts": GOOD.replace("<numerusform>%n Dateien</numerusform>",
                                                      "<numerusform></numerusform>")},
     None, "'%n file(s)': an empty translation"),
    ("a placeholder lost", {"q_de.ts": GOOD.replace("%1 in %2 gespeichert", "%1 gespeichert")}, None,
     "placeholders %1 %2 in the text, %1 in the translation '%1 gespeichert'"),
    ("a placeholder added", {"q_de.ts": GOOD.replace("%1 in %2 gespeichert", "%1 in %2 gespeichert (%3)")}, None,
     "'Saved %1 in %2': placeholders"),
    ("the count lost in one plural form", {"q_de.ts": GOOD.replace("%n Datei<", "eine Datei<")}, None,
     "placeholders %n in the text, none in the translation 'eine Datei'"),
    ("an accelerator lost", {"q_de.ts": GOOD.replace("&amp;Speichern", "Speichern")}, None,
     "'&Save': the accelerator (&) is missing from the translation 'Speichern'"),
    ("an accelerator shown as an ampersand", {"q_de.ts": GOOD.replace("&amp;Speichern", "Speichern &amp;&amp;Co")},
     None, "the accelerator (&) is missing"),
    ("a new text in the sources", {"q_de.ts": GOOD},
     SOURCE.replace("}\n", '    QCoreApplication::translate("Window", "Export");\n}\n'),
     "q_de.ts: Window: 'Export': in the sources but not in the file"),
    ("a text gone from the sources", {"q_de.ts": GOOD},
     SOURCE.replace('    QCoreApplication::translate("Window", "Fish & Chips");\n', ""),
     "'Fish & Chips': no longer in the sources"),
    ("a text moved to another context", {"q_de.ts": GOOD}, SOURCE.replace('"Window", "&Save"', '"Share", "&Save"'),
     "Share: '&Save': in the sources but not in the file"),
    ("a second file behind", {"q_de.ts": GOOD, "q_ru.ts": ts(SAVE, FILES, SAVED)}, None,
     "q_ru.ts: Window: 'Fish & Chips': in the sources but not in the file"),
]


def run(files, source):
    with tempfile.TemporaryDirectory() as root:
        for name, text in {"src/ui/W.cpp": source or SOURCE, **{"translations/" + n: t for n, t in files.items()}}.items():
            path = pathlib.Path(root, name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        return subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)


class CheckTranslations(unittest.TestCase):
    def test_each_case(self):
        for name, files, source, expected in CASES:
            with self.subTest(name):
                result = run(files, source)
                if expected:
                    self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
                    self.assertIn(expected, result.stdout)
                else:
                    self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
                    self.assertEqual(result.stdout, "")


if __name__ == "__main__":
    unittest.main()
