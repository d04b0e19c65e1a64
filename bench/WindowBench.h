#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include "platform/DesktopLinks.h"

namespace twinsweep::bench {

/// A desktop that opens nothing, for the program's main window in a benchmark.
class NoDesktop : public DesktopLinks
{
public:
    bool open(const QUrl&, std::function<void()>) override { return false; }
};

/// Counts the paintings of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace twinsweep::bench
