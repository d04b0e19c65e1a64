#include "Form5.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "tagtools/FileNameToTag.h"

namespace twinsweep {

namespace {

/// A drop-down list with nothing chosen.
QComboBox* choiceList(const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

template <typename Choice> std::optional<Choice> chosen(const QComboBox* list)
{
    if (list->currentIndex() < 0)
        return std::nullopt;
    return Choice(list->currentIndex());
}

} // namespace

Form5::Form5(TagToolContext& tools, ID3TafFromFileName& parser, QWidget* parent)
    : BatchToolWindow("MP3 Filename to ID3", "Write tags", parent), m_tools(tools), m_parser(parser)
{
    Combo1 = choiceList({"Don't write tag", "Overwrite emty fields", "Overwrite all fields"}, Frame1);
    Check1 = new XPCheckBox("Case", Frame1);
    Combo2 = choiceList({"lower", "UPPER", "Capitalize First Letter"}, Frame1);
    Combo2->setEnabled(false);
    Combo3 = choiceList({"Artist - Title (Recommended)", "Title - Artist", "Artist\\Title", "Artist\\Album\\Title",
                         "No Structure (Filename to Title)"},
                        Frame1);
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(new QLabel("If tag already exists:", Frame1));
    options->addWidget(Combo1);
    options->addWidget(Check1);
    options->addWidget(Combo2);
    options->addWidget(new QLabel("File name mask:", Frame1));
    options->addWidget(Combo3);
    Command1->setToolTip("ID3v1 Only");
    finishLayout();
    connect(Check1, &XPCheckBox::Click, this, [this] { Combo2->setEnabled(Check1->Value() != 0); });
    connect(Command1, &WinXPbut::Click, this, &Form5::Command1_Click);
}

void Form5::Command1_Click()
{
    NameToTagOptions options{scope(), chosen<OverwritePolicy>(Combo1), chosen<int>(Combo3), std::nullopt};
    if (Check1->Value() == 1)
        options.caseConversion = chosen<CaseConversion>(Combo2);
    runDisabled([&](const std::function<void()>& disableOptions) {
        return WriteTagsFromFileNames(m_tools, m_parser, options, stopMarker, disableOptions);
    });
}

} // namespace twinsweep
