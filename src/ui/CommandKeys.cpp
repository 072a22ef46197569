#include "ui/CommandKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

CommandKeys::CommandKeys(QWidget& window) : QObject(&window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool CommandKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Qt asks the focused control first whether it wants a key that is also
    // a shortcut; left unanswered, the key goes to the shortcut.
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != &m_window)
        return false;
    const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : m_window.actions()) {
        if (action->isEnabled() && action->shortcuts().contains(keys))
            return true;
    }
    return false;
}
