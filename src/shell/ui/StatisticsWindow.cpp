#include "StatisticsWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"

namespace twinsweep {

StatisticsWindow::StatisticsWindow() : QDialog(nullptr)
{
    setWindowTitle("Statistics");
    // Closing the main window ends the program even while statistics are shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(12);
    Command1 = new WinXPbut("OK", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    connect(Command1, &WinXPbut::Click, this, &QWidget::hide);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addLayout(buttonRow);
}

QLabel* StatisticsWindow::addValue(int row, int column, const QString& caption, const char* name)
{
    m_grid->addWidget(new QLabel(caption, this), row, 2 * column);
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setMinimumWidth(value->fontMetrics().averageCharWidth() * 14);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_grid->addWidget(value, row, 2 * column + 1);
    return value;
}

void StatisticsWindow::showInFront()
{
    show();
    raise();
    activateWindow();
}

} // namespace twinsweep
