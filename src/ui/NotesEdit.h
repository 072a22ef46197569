#pragma once

#include <QPlainTextEdit>

/**
 * The notes box: several lines, a vertical scroll bar, Tab leaves it.
 *
 * Qt lays a paragraph out anew, whole, at every key typed into it: the
 * cost grows with the paragraph's length, and with its square when it has
 * no blank to break a line at. So the box shows a paragraph of more than a
 * few thousand characters as several blocks joined without a break (soft
 * blocks), each laid out alone. text() gives the paragraph whole; the keys
 * that delete, copying and pasting treat the edge of a soft block as no
 * character at all.
 */
class NotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NotesEdit(QWidget* parent = nullptr);

    /// The text with CR LF line breaks, as the card and the store keep it.
    QString text() const;
    /// Replaces the text; CR LF, CR and LF all break a line. Emits
    /// textChanged() only when the text differs.
    void setText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    /// The text from document position @p from to @p to, soft edges left out, line feeds between paragraphs.
    QString textBetween(int from, int to) const;
    /// Inserts @p text (line feeds between paragraphs) at @p cursor, long paragraphs as soft blocks.
    void insert(QTextCursor& cursor, const QString& text);
    /// Splits blocks grown too long and drops soft blocks left empty,
    /// without a change of text(): no textChanged().
    void keepBlocksShort();
    /// Brings the kept text() up to an edit of the document, or lets it go.
    void patchText(int from, int removed, int added);

    bool m_keepQueued = false;
    /// What the edits since keepBlocksShort() last ran touched, in positions after them; -1: nothing.
    int m_changedFrom = -1;
    int m_changedTo = -1;
    /// False only when there is no soft block: soft blocks are made here alone.
    mutable bool m_maybeSoftBlocks = false;
    /// text() as last given, kept while every edit since could be patched into it.
    mutable QString m_text;
    mutable int m_textBlocks = 0;
    mutable bool m_textKept = false;
};
