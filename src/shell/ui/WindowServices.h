#pragma once

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <climits>

#include "controls/ui/KeyboardKeeper.h"
#include "platform/Services.h"

namespace twinsweep {

/// The first status bar panel and the progress bar inside the status bar.
class StatusBarDisplay : public StatusDisplay
{
public:
    StatusBarDisplay(QLabel* panel, QProgressBar* progress) : m_panel(panel), m_progress(progress) {}
    void setStatusText(const QString& text) override { m_panel->setText(text); }
    QString statusText() const override { return m_panel->text(); }
    void setProgressVisible(bool visible) override { m_progress->setVisible(visible); }
    void setProgressMaximum(qint64 maximum) override { m_progress->setMaximum(int(qMin<qint64>(maximum, INT_MAX))); }
    void setProgressValue(qint64 value) override
    {
        m_progress->setValue(int(qMin<qint64>(value, m_progress->maximum())));
    }

private:
    QLabel* m_panel;
    QProgressBar* m_progress;
};

/// Hourglass pointer and a disabled window; nested uses count. Disabling the window takes
/// the keyboard from the widget that had it, and a list refilled meanwhile forgets its
/// current row: both are given back when the window is enabled again.
class WindowBusyIndicator : public BusyIndicator
{
public:
    explicit WindowBusyIndicator(QWidget* window) : m_window(window) {}
    void setBusy(bool busy) override;

private:
    QWidget* m_window;
    int m_depth = 0;
    KeyboardKeeper m_keyboard;
};

} // namespace twinsweep
