#pragma once

#include <QDialog>

class QGridLayout;
class QLabel;

namespace twinsweep {

class WinXPbut;

/// What the statistics windows share: caption and value labels in a grid, and the
/// default button "OK" (`Command1`) that hides the window. The windows have no owner,
/// stay loaded once shown, and do not keep the program running on their own.
class StatisticsWindow : public QDialog
{
    Q_OBJECT
public:
    WinXPbut* Command1 = nullptr;

protected:
    StatisticsWindow();
    /// Adds a caption and its value label (named `name`) at a place of the grid.
    QLabel* addValue(int row, int column, const QString& caption, const char* name);
    /// Shows the window without waiting, in front.
    void showInFront();

private:
    QGridLayout* m_grid = nullptr;
};

} // namespace twinsweep
