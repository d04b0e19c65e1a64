#pragma once

#include "shell/ui/StatisticsWindow.h"

namespace twinsweep {

struct ResultStatistics;

/// "Statistics" of the result list: all its rows beside its checked rows.
class Form3 : public StatisticsWindow
{
    Q_OBJECT
public:
    Form3();

    /// Sets the labels and shows the window without waiting.
    void ShowInfo(const ResultStatistics& statistics);

    QLabel* Label5 = nullptr;  // total size
    QLabel* Label6 = nullptr;  // checked files' size
    QLabel* Label7 = nullptr;  // total duration
    QLabel* Label8 = nullptr;  // checked files' duration
    QLabel* Label13 = nullptr; // average bit rate
    QLabel* Label14 = nullptr; // checked files' average bit rate
    QLabel* Label15 = nullptr; // files count
    QLabel* Label16 = nullptr; // checked files count
};

} // namespace twinsweep
