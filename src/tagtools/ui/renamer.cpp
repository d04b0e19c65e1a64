#include "renamer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "tagtools/TagRenamer.h"

namespace twinsweep {

namespace {

/// The legend of the name tokens.
QGroupBox* tokenLegend(QWidget* parent)
{
    auto* legend = new QGroupBox("Name", parent);
    auto* grid = new QGridLayout(legend);
    const QStringList names = {"Title", "Artist", "Album", "Year", "Comment"};
    for (int field = 0; field < names.size(); ++field) {
        grid->addWidget(new QLabel(names[field], legend), field, 0);
        grid->addWidget(new QLabel("%0" + QString::number(field + 1), legend), field, 1);
    }
    return legend;
}

} // namespace

renamer::renamer(TagToolContext& tools, QWidget* parent)
    : BatchToolWindow("Renamer & Recommenter", "Rename", parent), m_tools(tools)
{
    Text2 = new QLineEdit("%02 - %01", Frame1);
    Label13 = new QLabel(Frame1);
    Check1 = new XPCheckBox("Recomment", Frame1);
    Check1->setToolTip("ID3v1 Only");
    Text1 = new QLineEdit(Frame1);
    Text1->setMaxLength(30);
    Text1->setEnabled(false);
    Check2 = new XPCheckBox("Rename only if all needed ID3 tag fields exist", Frame1);
    Check2->setValue(1);
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(tokenLegend(Frame1), 0, 0, 1, 2);
    grid->addWidget(Text2, 1, 0, 1, 2);
    grid->addWidget(Label13, 2, 0, 1, 2);
    grid->addWidget(Check1, 3, 0);
    grid->addWidget(Text1, 3, 1);
    grid->addWidget(Check2, 4, 0, 1, 2);
    finishLayout();
    connect(Text2, &QLineEdit::textChanged, this, &renamer::Text2_Change);
    connect(Check1, &XPCheckBox::Click, this, [this] { Text1->setEnabled(Check1->Value() == 1); });
    connect(Command1, &WinXPbut::Click, this, &renamer::Command1_Click);
    Text2_Change();
}

void renamer::Text2_Change()
{
    const bool requireAll = Check2->Value() == 1;
    const PatternFields sample = {"Song", "Band", "Album", "2001", "ZTW"};
    Label13->setText("Ex. " + expandPattern(Text2->text(), sample, requireAll).name);
}

void renamer::Command1_Click()
{
    RenameOptions options{scope(), Text2->text(), Check2->Value() == 1, std::nullopt};
    if (Check1->Value() == 1)
        options.comment = Text1->text();
    runDisabled([&](const std::function<void()>& disableOptions) {
        return RenameFromTags(m_tools, options, stopMarker, disableOptions);
    });
}

} // namespace twinsweep
