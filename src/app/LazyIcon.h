#pragma once

#include <QIcon>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>

/**
 * An icon of several image files, one for each size, each file decoded
 * only when its size is first asked for: a window shows at most one or two
 * of them, and not before it is painted.
 */
QIcon lazyIcon(const QList<QPair<QSize, QString>>& files);
