#!/usr/bin/python3
"""scripts/check-tr-literals over small source files of its own: each way a
text can escape tr() that it must find, and the texts it must let pass."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-tr-literals"

FAULTS = [
    # name, a line of C++ in a function body, what the report holds
    ("a label's text", 'label->setText(QStringLiteral("Last Name:"));', "'Last Name:': handed to setText"),
    ("a tooltip", 'button->setToolTip(u"Open a vCard file"_s);', "handed to setToolTip"),
    ("a window title", 'setWindowTitle(QStringLiteral("Share – %1").arg(name));',
     "'Share – %1': handed to setWindowTitle"),
    ("an accessible name", 'check->setAccessibleName(phone + QStringLiteral(" preferred"));',
     "' preferred': handed to setAccessibleName"),
    ("a button made with its caption", 'auto* b = new QPushButton(QStringLiteral("Copy"), this);',
     "'Copy': handed to QPushButton"),
    ("a label made with its caption", 'auto* l = new QLabel(QStringLiteral("&Kept:"), this);', "handed to QLabel"),
    ("an action", 'auto* a = new QAction(QStringLiteral("New"), this);', "'New': handed to QAction"),
    ("a Qt message box", 'QMessageBox::warning(this, QStringLiteral("Quillmere"), QStringLiteral("Not sent."));',
     "'Not sent.': handed to warning"),
    ("a message box of the dialogs", 'dialogs.message({QStringLiteral("Done."), AppInfo::productName});',
     "'Done.': handed to message"),
    ("a question", 'dialogs.askYesNo({QStringLiteral("Clear the form?"), AppInfo::productName});',
     "handed to askYesNo"),
    ("an error's description", 'throw Error(Error::Io, QStringLiteral("Cannot write %1: %2").arg(a, b));',
     "'Cannot write %1: %2': handed to Error"),
    ("a send's progress", 'progress(QStringLiteral("Sending to %1…").arg(server));', "handed to progress"),
    ("a send's end", 'finish(QStringLiteral("Sent."));', "'Sent.': handed to finish"),
    ("a dialog's title by its member", 's.title = QStringLiteral("Select A Picture");',
     "'Select A Picture': handed to title"),
    ("a dialog's filter", 's.filters = {{QStringLiteral("vCard file(*.vcf)"), QStringLiteral("*.vcf")}};',
     "'vCard file(*.vcf)': a text outside tr()"),
    ("a tab", 'tabs->addTab(page, QStringLiteral("General"));', "'General': handed to addTab"),
    ("a sentence kept in a variable", 'const QString done = QStringLiteral("Done.");', "'Done.': a text outside tr()"),
    ("a sentence returned", 'return QStringLiteral("not a picture");', "'not a picture': a text outside tr()"),
    ("a plain literal", 'const char* why = "the kept card is damaged.";', "a text outside tr()"),
    ("a raw literal", 'QString help = QString::fromUtf8(R"(Most text files use a form of ANSI.)");',
     "'Most text files use a form of ANSI.': a text outside tr()"),
    ("a size's unit", 'return QStringLiteral("%1 KB").arg(size / 1024);', "'%1 KB': a text outside tr()"),
    ("a sentence with an escape", 'done += QStringLiteral("\\r\\nThe photo \\"%1\\" was not found.");',
     "The photo \"%1\" was not found."),
    ("a lower-case word shown", 'm_line->setText(QStringLiteral("none"));', "'none': handed to setText"),
    ("a word in capitals shown", 'button->setText(QStringLiteral("OK"));', "'OK': handed to setText"),
    ("a word handed on in arg()", 'tr("Saved as %1").arg(QStringLiteral("ANSI file"));',
     "'ANSI file': a text outside tr()"),
]

FIELDS = 'const Design designs[] = {{"Last Name:", 0, 1320}, {"First Name:", 0, 5160}};'

PASSES = [
    ("a text in tr()", 'label->setText(tr("Last Name:"));'),
    ("a text in translate()", 'setText(QCoreApplication::translate("Form1", "Help"));'),
    ("a table of texts to translate",
     'const char* t[] = {QT_TRANSLATE_NOOP("Form1", "Pager:"), QT_TR_NOOP("Notes:")};'),
    ("a text with its disambiguation", 'const Name n = QT_TRANSLATE_NOOP3("Form1", "Birthday", "full name");'),
    ("a plural", 'm = tr("%n file(s)", nullptr, n);'),
    ("no word", 'box->setToolTip(QStringLiteral("%1 (%2)").arg(what, keys));'),
    ("an object name", 'box->setObjectName(QStringLiteral("txtTextbox(%1)").arg(i));'),
    ("an object name with its number", 'makeLabel(text, QStringLiteral("Label1(26)"), frame);'),
    ("a settings key", 'store.setValue(QStringLiteral("ExportVersion"), version);'),
    ("a settings key by its form", 'const QString birthDayKey = QStringLiteral("BirthDay");'),
    ("a log line", 'qWarning("cannot open the display %s", name);'),
    ("a vCard property", 'out += QByteArrayLiteral("END:VCARD\\r\\n");'),
    ("a vCard property with parameters", 'line = QStringLiteral("URL;TYPE=home:") + url;'),
    ("vCard types", 'const char* types = "home,voice";'),
    ("an HTTP header", 'headers.append({"Content-Type", "text/vcard; charset=utf-8"});'),
    ("an HTTP word of the allow-list", 'headers.append({"Authorization", "Basic " + token});'),
    ("a MIME type", 'if (type.startsWith(QLatin1String("image/")))'),
    ("a file name", 'const QString name = QStringLiteral("HAND-M.CUR");'),
    ("a file pattern", 'filters << QStringLiteral("*.vcf");'),
    ("a resource path", 'icon.addFile(QStringLiteral(":/icons/quillmere-%1.png").arg(size));'),
    ("a web address", 'const QUrl home(QStringLiteral("https://veltrask.example/quillmere"));'),
    ("a dotted name", 'const QString service = QStringLiteral("org.freedesktop.secrets");'),
    ("XML", 'body += "<d:propfind xmlns:d=\\"DAV:\\">";'),
    ("XML entities", 'return path.replace(\'&\', "&amp;").replace(\'<\', "&lt;");'),
    ("a date format", 'return date.toString(QStringLiteral("yyyy-MM-dd"));'),
    ("the product name", 'const QString productName = QStringLiteral("Quillmere");'),
    ("an example address as a placeholder", 'server->setPlaceholderText(QStringLiteral("https://cloud.example.org"));'),
    ("a name beside its own translation", 'add("New", tr("New"), tr("New contact"), QKeySequence::New);'),
    ("an include and a comment", '// Shows "Done." when the card is written\n#include "ui/Form1.h"'),
    ("a character", "if (c == 'a')"),
    ("the fields' names in code", None),
]


def run(body, path="src/ui/W.cpp", extra=None):
    with tempfile.TemporaryDirectory() as root:
        files = {path: f"void f()\n{{\n    {body}\n}}\n", **(extra or {})}
        for name, text in files.items():
            target = pathlib.Path(root, name)
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_text(text)
        return subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)


class CheckTrLiterals(unittest.TestCase):
    def test_each_fault(self):
        for name, body, expected in FAULTS:
            with self.subTest(name):
                result = run(body)
                self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
                self.assertIn("src/ui/W.cpp:3: ", result.stdout)
                self.assertIn(expected, result.stdout)

    def test_each_pass(self):
        for name, body in PASSES:
            with self.subTest(name):
                if body is None:
                    result = run("", extra={"src/core/ContactSource.cpp":
                                            'const char* names[] = {"LastName", "Company", "Pager", "Notes"};\n'})
                else:
                    result = run(body)
                self.assertEqual(result.stdout + result.stderr, "")
                self.assertEqual(result.returncode, 0)

    def test_a_table_of_labels_outside_tr_is_found_entry_by_entry(self):
        result = run(FIELDS)
        self.assertEqual(result.returncode, 1)
        self.assertIn("'Last Name:': a text outside tr()", result.stdout)
        self.assertIn("'First Name:': a text outside tr()", result.stdout)


if __name__ == "__main__":
    unittest.main()
