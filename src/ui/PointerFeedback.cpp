#include "ui/PointerFeedback.h"

#include "ui/Form1.h"

#include <QEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>

PointerFeedback::PointerFeedback(Form1& form) : m_form(form)
{
    QList<QWidget*> watched{&form};
    for (int n = 1; n <= 4; ++n)
        watched << form.pushButton(n) << form.frame(n);
    for (QWidget* widget : watched) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
}

bool PointerFeedback::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (qobject_cast<QPushButton*>(widget)) {
        m_form.setPointer(Form1::Pointer::Custom);
    } else {
        // A move over a control inside the window or a frame reaches them
        // too; only their own surface counts.
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!widget->childAt(position))
            m_form.setPointer(Form1::Pointer::Default);
    }
    return false;
}
