#pragma once

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <climits>

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

/// Hourglass pointer and a disabled window; nested uses count.
class WindowBusyIndicator : public BusyIndicator
{
public:
    explicit WindowBusyIndicator(QWidget* window) : m_window(window) {}
    void setBusy(bool busy) override
    {
        if (busy) {
            if (m_depth++ == 0) {
                QApplication::setOverrideCursor(Qt::WaitCursor);
                m_window->setEnabled(false);
            }
        } else if (m_depth > 0 && --m_depth == 0) {
            m_window->setEnabled(true);
            QApplication::restoreOverrideCursor();
        }
    }

private:
    QWidget* m_window;
    int m_depth = 0;
};

} // namespace twinsweep
