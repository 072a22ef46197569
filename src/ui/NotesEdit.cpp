#include "ui/NotesEdit.h"

#include "ui/LineBreaks.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>

namespace {

/// A block that goes on the paragraph of the block before it.
constexpr int softBlock = 1;
/// A soft block holds about this many characters; one over twice that is split.
constexpr qsizetype blockLength = 2048;

bool isSoft(const QTextBlock& block)
{
    return block.isValid() && block.userState() == softBlock;
}

/// Where @p paragraph is cut into soft blocks: after a blank near each
/// block's length, else at its length, never inside a surrogate pair.
QList<qsizetype> cutsOf(QStringView paragraph)
{
    QList<qsizetype> cuts;
    qsizetype from = 0;
    while (paragraph.size() - from > 2 * blockLength) {
        qsizetype cut = from + blockLength;
        const qsizetype blank = paragraph.sliced(from + blockLength / 2, blockLength / 2).lastIndexOf(u' ');
        if (blank >= 0)
            cut = from + blockLength / 2 + blank + 1;
        else if (paragraph[cut - 1].isHighSurrogate())
            --cut;
        cuts << cut;
        from = cut;
    }
    return cuts;
}

}  // namespace

NotesEdit::NotesEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Blocks are kept short once an edit is done, never inside it; only
    // the blocks an edit touched are looked at.
    connect(document(), &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
        patchText(from, removed, added);
        if (m_changedFrom < 0) {
            m_changedFrom = from;
            m_changedTo = from + added;
        } else {
            if (from <= m_changedTo)
                m_changedTo += added - removed;
            m_changedFrom = std::min(m_changedFrom, from);
            m_changedTo = std::max(m_changedTo, from + added);
        }
        if (m_keepQueued)
            return;
        m_keepQueued = true;
        QMetaObject::invokeMethod(this, &NotesEdit::keepBlocksShort, Qt::QueuedConnection);
    });
}

// Asked at every key. Made anew, the document's characters are copied at
// once, as QPlainTextEdit gives them (a piece at a time, most of the cost),
// then one pass turns each paragraph separator into CR LF and drops those
// at the edges of soft blocks. Kept, a key typed or deleted inside a line
// is patched in (patchText()).
QString NotesEdit::text() const
{
    if (m_textKept)
        return m_text;
    const QString raw = document()->toRawText();
    QList<qsizetype> edges;  // each the separator before a soft block
    if (m_maybeSoftBlocks) {
        for (QTextBlock block = document()->firstBlock().next(); block.isValid(); block = block.next()) {
            if (isSoft(block))
                edges << block.position() - 1;
        }
        m_maybeSoftBlocks = !edges.isEmpty();
    }
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    auto edge = edges.cbegin();
    for (qsizetype from = 0;;) {
        const qsizetype at = raw.indexOf(QChar::ParagraphSeparator, from);
        text.append(QStringView(raw).sliced(from, (at < 0 ? raw.size() : at) - from));
        if (at < 0) {
            // Only without soft edges does a position tell where it stands in the text.
            m_text = text;
            m_textBlocks = document()->blockCount();
            m_textKept = !m_maybeSoftBlocks;
            return text;
        }
        if (edge != edges.cend() && *edge == at)
            ++edge;
        else
            text.append(u"\r\n");
        from = at + 1;
    }
}

QString NotesEdit::textBetween(int from, int to) const
{
    QString text;
    text.reserve(to - from);
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from && !isSoft(block))
            text += u'\n';
        const int start = std::max(from, block.position());
        const int end = std::min(to, block.position() + block.length() - 1);
        if (end > start)
            text += QStringView(block.text()).sliced(start - block.position(), end - start);
    }
    return text;
}

void NotesEdit::setText(const QString& text)
{
    const QString plain = withLineFeeds(text);
    if (plain == textBetween(0, document()->characterCount() - 1))
        return;
    // One change: the old text out, the new one in, long paragraphs already cut.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.block().setUserState(-1);
    m_maybeSoftBlocks = false;
    insert(cursor, plain);
    cursor.endEditBlock();
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start);
}

void NotesEdit::insert(QTextCursor& cursor, const QString& text)
{
    const QStringList paragraphs = text.split(u'\n');
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const QStringView paragraph = paragraphs[p];
        if (p > 0) {
            cursor.insertBlock();
            cursor.block().setUserState(-1);
        }
        qsizetype from = 0;
        for (const qsizetype cut : cutsOf(paragraph)) {
            cursor.insertText(paragraph.sliced(from, cut - from).toString());
            cursor.insertBlock();
            cursor.block().setUserState(softBlock);
            m_maybeSoftBlocks = true;
            from = cut;
        }
        cursor.insertText(paragraph.sliced(from).toString());
    }
}

void NotesEdit::keyPressEvent(QKeyEvent* event)
{
    // The edge of a soft block is no character: Backspace and Delete go on
    // to the character beyond it (Qt takes Shift+Backspace for Backspace).
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    QTextCursor cursor = textCursor();
    const int before = cursor.position();
    if (!cursor.hasSelection()) {
        if (event->key() == Qt::Key_Backspace && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
            while (cursor.atBlockStart() && isSoft(cursor.block()))
                cursor.movePosition(QTextCursor::PreviousCharacter);
        } else if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
            while (cursor.atBlockEnd() && isSoft(cursor.block().next()))
                cursor.movePosition(QTextCursor::NextCharacter);
        }
    }
    // Set only when moved: setting it anew would forget the column Up and Down keep.
    if (cursor.position() != before)
        setTextCursor(cursor);
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData* NotesEdit::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto* data = new QMimeData;
    data->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

void NotesEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    insert(cursor, withLineFeeds(source->text()));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

// The text is kept only while the box has no soft block (making one adds
// a block). An edit that neither removed nor added a paragraph separator
// is patched in: each separator before it stands for the two characters
// CR LF, so position p of the document is p plus the number of its block
// in the text. Any other edit, or a long one, lets the text go.
void NotesEdit::patchText(int from, int removed, int added)
{
    if (!m_textKept)
        return;
    m_textKept = false;
    const QTextDocument* doc = document();
    // Separators gone or come change the count, unless as many went as
    // came: then some came, and are among the characters added.
    if (added > 64 || doc->blockCount() != m_textBlocks)
        return;
    QString typed;
    for (int i = from; i < from + added; ++i) {
        const QChar c = doc->characterAt(i);
        if (c == QChar::ParagraphSeparator)
            return;
        typed += c;
    }
    const qsizetype at = from + doc->findBlock(from).blockNumber();
    if (at + removed > m_text.size())
        return;
    m_text.replace(at, removed, typed);
    m_textKept = true;
}

void NotesEdit::keepBlocksShort()
{
    const int from = std::max(0, m_changedFrom);
    const QTextBlock last = document()->findBlock(std::min(m_changedTo, document()->characterCount() - 1));
    const QSignalBlocker quiet(this);  // text() stays as it is
    QTextCursor cursor(document());
    bool editing = false;
    for (QTextBlock block = document()->findBlock(from); block.isValid();) {
        const bool isLast = block == last;
        const QTextBlock next = block.next();
        // The first block is never a soft one; were it, there is no edge before it to remove.
        const bool emptySoft = isSoft(block) && block.length() == 1 && block.position() > 0;
        const bool tooLong = block.length() - 1 > 2 * blockLength;
        const QList<qsizetype> cuts = tooLong ? cutsOf(block.text()) : QList<qsizetype>();
        if (emptySoft || !cuts.isEmpty()) {
            if (!editing) {
                cursor.joinPreviousEditBlock();  // undone with the edit that made it
                editing = true;
            }
            if (emptySoft) {
                // The edge before it goes (it shows as an empty line); the
                // block before keeps its kind, which the join would take from this one.
                const int kind = block.previous().userState();
                cursor.setPosition(block.position() - 1);
                cursor.deleteChar();
                cursor.block().setUserState(kind);
            }
            for (auto cut = cuts.crbegin(); cut != cuts.crend(); ++cut) {
                cursor.setPosition(block.position() + int(*cut));
                cursor.insertBlock();
                cursor.block().setUserState(softBlock);
                m_maybeSoftBlocks = true;
            }
        }
        if (isLast)
            break;
        block = next;
    }
    if (editing)
        cursor.endEditBlock();
    // Its own edits need no second look.
    m_changedFrom = m_changedTo = -1;
    m_keepQueued = false;
}
