#include "ui/Controls.h"

#include <QLocale>

BirthdayEdit::BirthdayEdit(QWidget* parent) : QDateEdit(parent)
{
    setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    setCalendarPopup(true);
    // The locale's short form, always with a four-digit year: the range
    // spans many centuries.
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    setDisplayFormat(format);
}

bool BirthdayEdit::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

NotesEdit::NotesEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString NotesEdit::text() const
{
    QString text = toPlainText();
    text.replace(u'\n', QLatin1String("\r\n"));
    return text;
}

void NotesEdit::setText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(u'\r', u'\n');
    if (plain != toPlainText())
        setPlainText(plain);
}

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {}

void TabControl::place(QWidget* child, const QRect& geometry)
{
    m_placed.append({child, geometry});
    child->resize(geometry.size());
    placeAll();
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    placeAll();
}

void TabControl::showEvent(QShowEvent* event)
{
    QTabWidget::showEvent(event);
    placeAll();
}

void TabControl::placeAll()
{
    for (const auto& [child, geometry] : std::as_const(m_placed)) {
        const QPoint pageOrigin = child->parentWidget()->mapTo(this, QPoint(0, 0));
        child->setGeometry(geometry.translated(-pageOrigin));
    }
}
