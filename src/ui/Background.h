#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

/// Makes @p widget paint its whole area in @p colour.
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
