#include "ui/NotesEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>

#include <functional>

namespace {

/// A paragraph of @p length characters: words, or one word without a blank.
QString paragraph(qsizetype length, bool blanks = true)
{
    const QString word = blanks ? QStringLiteral("lorem ipsum dolor sit amet ") : QStringLiteral("abcdefghij");
    QString text;
    while (text.size() < length)
        text += word;
    return text.left(length);
}

class Notes : public ::testing::Test {
protected:
    void SetUp() override
    {
        notes.resize(600, 400);
        notes.show();
        notes.setFocus();
    }
    int blocks() const { return notes.document()->blockCount(); }
    /// Runs what the box queued after an edit.
    static void settle() { QCoreApplication::processEvents(); }

    NotesEdit notes;
};

}  // namespace

TEST_F(Notes, ALongParagraphIsShownInBlocksButStaysOneParagraph)
{
    for (const bool blanks : {true, false}) {
        const QString text = QStringLiteral("first line\r\n") + paragraph(20000, blanks) + QStringLiteral("\r\nlast");
        notes.setText(text);
        EXPECT_EQ(notes.text(), text);
        EXPECT_GE(blocks(), 2 + 20000 / 4096);  // each laid out alone
        for (QTextBlock b = notes.document()->firstBlock(); b.isValid(); b = b.next())
            EXPECT_LE(b.length() - 1, 4096);
    }
    // A surrogate pair is never cut in two.
    QString pairs;
    for (int i = 0; i < 9000; ++i)
        pairs += QStringLiteral("😀");
    notes.setText(pairs);
    EXPECT_EQ(notes.text(), pairs);
    for (QTextBlock b = notes.document()->firstBlock(); b.isValid(); b = b.next())
        EXPECT_FALSE(b.text().back().isHighSurrogate());
}

TEST_F(Notes, TheKeysTreatTheEdgeOfABlockAsNoCharacter)
{
    const QString text = paragraph(12000);
    notes.setText(text);
    ASSERT_GE(blocks(), 3);
    const QTextBlock second = notes.document()->firstBlock().next();
    const int edge = second.position();  // the model position: edge - 1
    QTextCursor cursor = notes.textCursor();

    // Backspace at the start of a soft block deletes the character before it.
    cursor.setPosition(edge);
    notes.setTextCursor(cursor);
    QTest::keyClick(&notes, Qt::Key_Backspace);
    settle();
    QString expected = text;
    expected.remove(edge - 2, 1);
    EXPECT_EQ(notes.text(), expected);

    // Delete at the end of a block before a soft one deletes the character after it.
    cursor = notes.textCursor();
    cursor.setPosition(notes.document()->firstBlock().next().position() - 1);
    notes.setTextCursor(cursor);
    const qsizetype at = cursor.position();
    QTest::keyClick(&notes, Qt::Key_Delete);
    settle();
    expected.remove(at, 1);
    EXPECT_EQ(notes.text(), expected);

    // Shift+Backspace, which Qt takes for Backspace, too.
    cursor.setPosition(notes.document()->firstBlock().next().position());
    notes.setTextCursor(cursor);
    const qsizetype shifted = cursor.position() - 2;
    QTest::keyClick(&notes, Qt::Key_Backspace, Qt::ShiftModifier);
    settle();
    expected.remove(shifted, 1);
    EXPECT_EQ(notes.text(), expected);

    // A selection from the start into a soft block: the rest stays one paragraph.
    cursor.setPosition(0);
    cursor.setPosition(notes.document()->firstBlock().next().position() + 5, QTextCursor::KeepAnchor);
    const qsizetype selected = cursor.selectedText().size() - 1;  // less the edge
    notes.setTextCursor(cursor);
    QTest::keyClick(&notes, Qt::Key_Delete);
    settle();
    expected.remove(0, selected);
    EXPECT_EQ(notes.text(), expected);

    // Return breaks the paragraph where the key was pressed.
    cursor.setPosition(notes.document()->firstBlock().next().position());
    notes.setTextCursor(cursor);
    const qsizetype model = cursor.position() - 1;
    QTest::keyClick(&notes, Qt::Key_Return);
    settle();
    expected.insert(model, QStringLiteral("\r\n"));
    EXPECT_EQ(notes.text(), expected);
}

TEST_F(Notes, TypingPastTheLengthSplitsQuietlyAndCopyGivesTheTextAsTyped)
{
    notes.setText(paragraph(4090));
    int changes = 0;
    QObject::connect(&notes, &QPlainTextEdit::textChanged, [&] { ++changes; });
    notes.moveCursor(QTextCursor::End);
    QTest::keyClicks(&notes, QStringLiteral("more words here"));
    settle();
    EXPECT_EQ(changes, 15);  // one a key; the split is no change of the text
    EXPECT_GE(blocks(), 2);
    EXPECT_EQ(notes.text(), paragraph(4090) + "more words here");

    // A copy across the edge has no break in it; a paste of a long paragraph is cut.
    notes.selectAll();
    notes.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), paragraph(4090) + "more words here");
    QGuiApplication::clipboard()->setText(paragraph(50000, false));
    notes.moveCursor(QTextCursor::End);
    notes.paste();
    EXPECT_EQ(notes.text(), paragraph(4090) + "more words here" + paragraph(50000, false));
    EXPECT_GE(blocks(), 12);

    // Deleting a whole soft block leaves no empty line behind.
    notes.setText(paragraph(9000));
    const QTextBlock middle = notes.document()->firstBlock().next();
    QTextCursor cursor(middle);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    settle();
    for (QTextBlock b = notes.document()->firstBlock(); b.isValid(); b = b.next())
        EXPECT_GT(b.length(), 1);
}

// text() is asked at every key: it must give back exactly what was set,
// blanks that do not break, empty lines and breaks at either end included.
TEST_F(Notes, TheTextComesBackExactly)
{
    const QString nbsp = QString(QChar(0x00A0));
    const QStringList texts = {
        "",
        "one line",
        "\r\n",
        "\r\nleading and trailing\r\n",
        "a" + nbsp + "b\r\n\r\n\r\nc",
        "short\r\n" + paragraph(9000) + "\r\n" + paragraph(5000, false) + "\r\nend",
    };
    for (const QString& text : texts) {
        notes.setText(text);
        EXPECT_EQ(notes.text(), text) << text.left(40).toStdString();
        settle();
        EXPECT_EQ(notes.text(), text) << text.left(40).toStdString();
    }
}

// Only the blocks an edit touched are looked at after it: a line in the
// middle that grows too long is split, and the others are left as they are.
TEST_F(Notes, ALineInTheMiddleThatGrowsTooLongIsSplit)
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("line %1").arg(i);
    lines[100] = paragraph(4090);
    notes.setText(lines.join("\r\n"));
    settle();
    const int before = blocks();
    QTextCursor cursor(notes.document()->findBlockByNumber(100));
    cursor.movePosition(QTextCursor::EndOfBlock);
    notes.setTextCursor(cursor);
    QTest::keyClicks(&notes, QStringLiteral(" more words here"));
    settle();
    EXPECT_EQ(blocks(), before + 1);
    lines[100] += " more words here";
    EXPECT_EQ(notes.text(), lines.join("\r\n"));
    EXPECT_EQ(notes.document()->findBlockByNumber(102).text(), "line 101");

    // Its soft block emptied by keys: the edge goes too, and the text stays.
    cursor = QTextCursor(notes.document()->findBlockByNumber(101));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    const QString tail = cursor.selectedText();
    notes.setTextCursor(cursor);
    QTest::keyClick(&notes, Qt::Key_Delete);
    settle();
    EXPECT_EQ(blocks(), before);
    lines[100].chop(tail.size());
    EXPECT_EQ(notes.text(), lines.join("\r\n"));
}

// text() kept between keys and patched at each edit must be what the whole
// document gives: random keys, moves, selections, pastes, undo and redo,
// with and without soft blocks, each compared with the text a copy of all
// gives (its line feeds as CR LF).
TEST_F(Notes, TheTextKeptBetweenKeysIsAlwaysTheDocuments)
{
    const auto whole = [this] {
        if (notes.document()->isEmpty())
            return QString();  // nothing to copy
        const QTextCursor kept = notes.textCursor();
        notes.selectAll();
        notes.copy();
        notes.setTextCursor(kept);
        return QGuiApplication::clipboard()->text().replace(u'\n', QStringLiteral("\r\n"));
    };
    QRandomGenerator random(31);
    const auto position = [&] { return int(random.bounded(notes.document()->characterCount())); };
    const auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&notes, Qt::Key(k), m); };
    const std::function<void()> edits[] = {
        [&] { key(Qt::Key_A + int(random.bounded(26))); },
        [&] { key(Qt::Key_Space); },
        [&] {
            for (const QString& typed : {QStringLiteral("é"), QStringLiteral("😀"), QStringLiteral("\u00A0")}) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
                QApplication::sendEvent(&notes, &press);
            }
        },
        [&] { key(Qt::Key_Return); },
        [&] { key(Qt::Key_Return, Qt::ShiftModifier); },  // a line separator, no new paragraph
        [&] { key(Qt::Key_Backspace); },
        [&] { key(Qt::Key_Delete); },
        [&] { key(Qt::Key_Z, Qt::ControlModifier); },
        [&] { key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); },
        [&] {
            QTextCursor c = notes.textCursor();
            c.setPosition(position());
            notes.setTextCursor(c);
        },
        [&] {
            QTextCursor c = notes.textCursor();
            c.setPosition(position());
            c.setPosition(position(), QTextCursor::KeepAnchor);
            notes.setTextCursor(c);
        },
        [&] {
            QGuiApplication::clipboard()->setText(random.bounded(4) == 0 ? paragraph(5000) : "x\ny\r\nz");
            notes.paste();
        },
        [&] { notes.setText(random.bounded(2) ? "one\r\ntwo" : "one\r\n" + paragraph(9000)); },
        [&] { settle(); },
    };
    notes.setText("first\r\nsecond line\r\n\r\nlast");
    for (int step = 0; step < 3000; ++step) {
        const qsizetype which = random.bounded(qsizetype(std::size(edits)));
        edits[which]();
        ASSERT_EQ(notes.text(), whole()) << "step " << step << ", edit " << which;
    }
}
