#include "Form3.h"

#include <QLabel>

#include "shell/ListStatistics.h"

namespace twinsweep {

Form3::Form3()
{
    setObjectName("Form3");
    Label5 = addValue(0, 0, "Total size", "Label5");
    Label6 = addValue(0, 1, "Total selected file(s) size", "Label6");
    Label7 = addValue(1, 0, "Total duration", "Label7");
    Label8 = addValue(1, 1, "Total selected file(s) duration", "Label8");
    Label13 = addValue(2, 0, "Averange bit rate", "Label13");
    Label14 = addValue(2, 1, "Averange selected file(s) bit rate", "Label14");
    Label15 = addValue(3, 0, "Files count in list", "Label15");
    Label16 = addValue(3, 1, "Selected files count in list", "Label16");
}

void Form3::ShowInfo(const ResultStatistics& statistics)
{
    Label5->setText(statistics.all.size);
    Label6->setText(statistics.checked.size);
    Label7->setText(statistics.all.duration);
    Label8->setText(statistics.checked.duration);
    Label13->setText(bitRateLabel(statistics.all.abitr));
    Label14->setText(bitRateLabel(statistics.checked.abitr));
    Label15->setText(fileCountLabel(statistics.all.FileCount));
    Label16->setText(fileCountLabel(statistics.checked.FileCount));
    showInFront();
}

} // namespace twinsweep
