#include "ui/Controls.h"

#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

// "No birthday" is the picker's special value: the day before the first one
// it accepts, shown as an empty box.
const QDate firstBirthday(1601, 1, 1);
const QDate noBirthday = firstBirthday.addDays(-1);

}  // namespace

BirthdayEdit::BirthdayEdit(QWidget* parent) : QDateEdit(parent)
{
    setDateRange(noBirthday, QDate(9999, 12, 31));
    setSpecialValueText(QStringLiteral(" "));
    setCalendarPopup(true);
    // The locale's short form (the one the translations load for), always
    // with a four-digit year: the range spans many centuries.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    setDisplayFormat(format);
    setDate(noBirthday);
    setAccessibleDescription(tr("Empty when no birthday is given; Delete on the whole date clears it"));
    connect(this, &QDateEdit::dateChanged, this, [this] { emit birthdayChanged(birthday()); });
}

QDate BirthdayEdit::birthday() const
{
    return isEmpty() ? QDate() : date();
}

void BirthdayEdit::setBirthday(const QDate& date)
{
    setDate(date.isValid() && date >= firstBirthday && date <= maximumDate() ? date : noBirthday);
}

bool BirthdayEdit::isEmpty() const
{
    return date() == noBirthday;
}

void BirthdayEdit::startFromToday()
{
    setDate(QDate::currentDate());
    setCurrentSectionIndex(0);
    setSelectedSection(currentSection());
}

void BirthdayEdit::showCalendar()
{
    // Qt opens the calendar only for a press on the arrow; the keys that
    // open it press there.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    QMouseEvent press(QEvent::MouseButtonPress, arrow.center(), mapToGlobal(arrow.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
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

void BirthdayEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        showCalendar();
        return;
    }
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        // One section's digits are retyped as usual; the whole date goes.
        const QLineEdit* line = lineEdit();
        if (isEmpty() || (line->hasSelectedText() && line->selectedText() == line->text())) {
            setDate(noBirthday);
            return;
        }
    }
    if (isEmpty() && !event->text().isEmpty() && event->text().at(0).isDigit())
        startFromToday();
    QDateEdit::keyPressEvent(event);
}

void BirthdayEdit::mousePressEvent(QMouseEvent* event)
{
    QDateEdit::mousePressEvent(event);
    // The calendar of an empty picker opens on this month, not on 1600.
    if (isEmpty() && calendarPopup() && calendarWidget()->isVisible())
        calendarWidget()->setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
}

void BirthdayEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = lineEdit()->createStandardContextMenu();
    menu->addSeparator();
    QAction* clear = menu->addAction(tr("No Birthday"), this, [this] { setDate(noBirthday); });
    clear->setEnabled(!isEmpty());
    menu->exec(event->globalPos());
    delete menu;
}

void BirthdayEdit::stepBy(int steps)
{
    if (isEmpty())
        startFromToday();
    else
        QDateEdit::stepBy(steps);
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
