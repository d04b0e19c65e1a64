#pragma once

#include "shell/ui/StatisticsWindow.h"

namespace twinsweep {

struct ListStatistics;

/// "Statistics" of one list: the whole collection or one volume.
class Form2 : public StatisticsWindow
{
    Q_OBJECT
public:
    Form2();

    /// Sets the labels and shows the window without waiting.
    void ShowInfo(const ListStatistics& statistics);

    QLabel* Label5 = nullptr; // total size
    QLabel* Label6 = nullptr; // total duration
    QLabel* Label7 = nullptr; // average bit rate
    QLabel* Label8 = nullptr; // files count
};

} // namespace twinsweep
