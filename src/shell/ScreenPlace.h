#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace trajecta {

// Where windows go on the monitors there are now; `screens` lists them in
// desktop pixels, the first monitor first. No monitor at all leaves every
// window where it is asked to be.

// The second window's own place for a window `width` pixels wide: centred
// across the first monitor, at a sixth of its height from the top.
QPoint defaultPlace(const QList<QRect>& screens, int width);

// The rectangle lies wholly on one monitor.
bool fitsOnScreens(const QRect& window, const QList<QRect>& screens);

// A top-left corner for `window` that keeps it on a monitor: its own when it
// fits, moved inside the monitor that holds most of it otherwise (its top-left
// corner first, when it is larger than the monitor), and `fallback` when no
// monitor holds any of it.
QPoint placeOnScreens(const QRect& window, const QList<QRect>& screens, QPoint fallback);

} // namespace trajecta
