#pragma once

#include <QList>
#include <QRect>

/// Where a second window goes on the screens: computed from rectangles
/// alone, so that any arrangement of screens can be tried.
namespace WindowPlace {

/// Room kept between the form and a window beside it.
constexpr int gap = 8;

/**
 * Where a window of @p size goes beside @p form on @p screen (its
 * available area): right of the form, else left of it, else below or above
 * it, wherever it fits whole. Where none has room, it goes where it covers
 * the form least, narrowed on the wider side down to @p minimum if that
 * covers less.
 */
QRect beside(const QRect& form, const QSize& size, const QSize& minimum, const QRect& screen);

/**
 * @p remembered fitted to @p screens (their available areas): no larger
 * than the screen it is on, and moved onto that screen when it was larger
 * or too little of it shows there to take hold of it. A place on no screen any more (one
 * that was unplugged) goes onto the first. Nothing for an empty rectangle
 * or no screens.
 */
QRect onScreens(const QRect& remembered, const QList<QRect>& screens);

}  // namespace WindowPlace
