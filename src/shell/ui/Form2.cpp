#include "Form2.h"

#include <QLabel>

#include "shell/ListStatistics.h"

namespace twinsweep {

Form2::Form2()
{
    setObjectName("Form2");
    Label5 = addValue(0, 0, "Total size", "Label5");
    Label6 = addValue(1, 0, "Total duration", "Label6");
    Label7 = addValue(2, 0, "Averange bit rate", "Label7");
    Label8 = addValue(3, 0, "Files count", "Label8");
}

void Form2::ShowInfo(const ListStatistics& statistics)
{
    Label5->setText(statistics.size);
    Label6->setText(statistics.duration);
    Label7->setText(bitRateLabel(statistics.abitr));
    Label8->setText(fileCountLabel(statistics.FileCount));
    showInFront();
}

} // namespace twinsweep
