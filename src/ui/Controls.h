#pragma once

#include <QDateEdit>
#include <QList>
#include <QPair>
#include <QPlainTextEdit>
#include <QRect>
#include <QTabWidget>

/// The birthday picker: one stop in the tab order, a date always.
class BirthdayEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit BirthdayEdit(QWidget* parent = nullptr);

protected:
    /// Tab leaves the picker; its day, month and year take the arrow keys
    /// (and a typed separator).
    bool event(QEvent* event) override;
};

/// The notes box: several lines, a vertical scroll bar, Tab leaves it.
class NotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NotesEdit(QWidget* parent = nullptr);

    /// The text with CR LF line breaks, as the card and the store keep it.
    QString text() const;
    /// Replaces the text; CR LF, CR and LF all break a line. Emits
    /// textChanged() only when the text differs.
    void setText(const QString& text);
};

/**
 * A tab control whose pages' controls are placed in the tab control's own
 * coordinates, so that they keep their place whatever height the tab strip
 * has in the current style.
 */
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    /// Puts @p child (on one of the pages) at @p geometry of the tab control.
    void place(QWidget* child, const QRect& geometry);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeAll();

    QList<QPair<QWidget*, QRect>> m_placed;
};
