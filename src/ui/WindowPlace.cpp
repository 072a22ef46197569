#include "ui/WindowPlace.h"

#include <algorithm>
#include <array>

namespace WindowPlace {

namespace {

qint64 area(const QRect& r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

/// @p r moved (not resized) as little as it takes to lie on @p screen,
/// its top left kept on the screen when it is larger.
QRect movedOnto(QRect r, const QRect& screen)
{
    r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.left() + screen.width() - r.width())));
    r.moveTop(std::max(screen.top(), std::min(r.top(), screen.top() + screen.height() - r.height())));
    return r;
}

}  // namespace

QRect beside(const QRect& form, const QSize& size, const QSize& minimum, const QRect& screen)
{
    const int right = screen.x() + screen.width() - (form.x() + form.width()) - gap;
    const int left = form.x() - screen.x() - gap;
    const QSize fitting = size.boundedTo(screen.size());
    const QRect rightOf(QPoint(form.x() + form.width() + gap, form.y()), fitting);
    const QRect leftOf(QPoint(form.x() - gap - fitting.width(), form.y()), fitting);
    const QRect below(QPoint(form.x(), form.y() + form.height() + gap), fitting);
    const QRect above(QPoint(form.x(), form.y() - gap - fitting.height()), fitting);
    const std::array<QRect, 4> places{movedOnto(rightOf, screen), movedOnto(leftOf, screen), movedOnto(below, screen),
                                      movedOnto(above, screen)};
    for (const QRect& place : places) {
        if (!place.intersects(form))
            return place;
    }
    // Narrowed towards its smallest on the wider side, it covers the form least.
    const int width = std::clamp(std::max(right, left), std::min(minimum.width(), fitting.width()), fitting.width());
    QRect narrowed = right >= left ? rightOf : leftOf;
    narrowed.setWidth(width);
    if (right < left)
        narrowed.moveLeft(form.x() - gap - width);
    const std::array<QRect, 5> candidates{movedOnto(narrowed, screen), places[0], places[1], places[2], places[3]};
    return *std::min_element(candidates.cbegin(), candidates.cend(), [&form](const QRect& a, const QRect& b) {
        return area(a.intersected(form)) < area(b.intersected(form));
    });
}

QRect onScreens(const QRect& remembered, const QList<QRect>& screens)
{
    if (remembered.isEmpty() || screens.isEmpty())
        return {};
    const QRect screen =
        *std::max_element(screens.cbegin(), screens.cend(), [&remembered](const QRect& a, const QRect& b) {
            return area(a.intersected(remembered)) < area(b.intersected(remembered));
        });
    QRect r(remembered.topLeft(), remembered.size().boundedTo(screen.size()));
    // Its top strip, where the title bar is, must show enough to be dragged.
    const QRect grip = QRect(r.topLeft(), QSize(r.width(), std::min(r.height(), 24))).intersected(screen);
    if (r.size() != remembered.size() || grip.width() < std::min(r.width(), 100) ||
        grip.height() < std::min(r.height(), 24))
        r = movedOnto(r, screen);
    return r;
}

}  // namespace WindowPlace
