#pragma once

#include <QDateEdit>
#include <QList>
#include <QPair>
#include <QPlainTextEdit>
#include <QRect>
#include <QTabWidget>

/**
 * The birthday picker: one stop in the tab order, a date from 1601-01-01 to
 * 9999-12-31, or no birthday at all (shown empty).
 */
class BirthdayEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit BirthdayEdit(QWidget* parent = nullptr);

    /// The birthday, or an invalid date when none was given.
    QDate birthday() const;
    /// Sets the birthday; an invalid date, or one out of range, gives none.
    void setBirthday(const QDate& date);
    /// Opens the calendar, as a click on the arrow does.
    void showCalendar();

signals:
    /// The birthday changed; an invalid date: none.
    void birthdayChanged(const QDate& date);

protected:
    /// Tab leaves the picker; its day, month and year take the arrow keys
    /// (and a typed separator).
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void stepBy(int steps) override;

private:
    bool isEmpty() const;
    /// Leaves "no birthday" for today, so that a step or a typed digit has a date to work on.
    void startFromToday();
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
