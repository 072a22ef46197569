#include "ui/Controls.h"

#include "ui/LineBreaks.h"

#include <QKeyEvent>
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

bool BirthdayEdit::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            QWidget::focusNextPrevChild(!back);
            return true;
        }
    }
    return QDateEdit::event(event);
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
    const QString plain = withLineFeeds(text);
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
