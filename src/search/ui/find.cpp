#include "find.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/ui/AutoCompleteCombo.h"
#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "ComboTermList.h"
#include "duplicates/ApproxNameSearch.h"
#include "platform/Services.h"
#include "search/FindState.h"
#include "search/PropertySearch.h"
#include "search/TextSearch.h"

namespace twinsweep {

namespace {

/// A framed group of controls stacked from top to bottom.
QGroupBox* stackedGroup(const QString& caption, const QList<QWidget*>& controls, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* control : controls) {
        control->setParent(group);
        layout->addWidget(control);
    }
    layout->addStretch();
    return group;
}

QRadioButton* option(const QString& caption, bool selected = false)
{
    auto* button = new QRadioButton(caption);
    button->setChecked(selected);
    return button;
}

/// A drop-down list with no item chosen; `editable` lets the user type a value too.
QComboBox* list(const QStringList& items, bool editable = false)
{
    auto* combo = new QComboBox;
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

const QStringList Operators{"<", "=", ">"};

} // namespace

find::find(FindEnvironment& environment, QWidget* parent) : QDialog(parent), m_environment(environment)
{
    setObjectName("find");
    setWindowTitle("Search");
    buildTabs();
    buildButtons();
    connectCheckBoxes();
    connect(&m_environment.state, &FindState::controlsEnabledChanged, this, &find::showControlsEnabled);
    showControlsEnabled(m_environment.state.controlsEnabled());

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &find::Timer1_Timer);
    Timer1->start();
}

void find::buildTabs()
{
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    for (const char* caption : {"Text", "Property", "Duplicates", "Duplicates (Advanced)"})
        TabStrip1->addTab(caption);
    Frame1 = buildTextFrame();
    Frame2 = buildPropertyFrame();
    Frame3 = buildDuplicatesFrame();
    Frame4 = buildAdvancedFrame();

    // The frames share one place; the selected tab decides which one shows.
    auto* layout = new QGridLayout(this);
    layout->addWidget(TabStrip1, 0, 0);
    for (QGroupBox* frame : {Frame1, Frame2, Frame3, Frame4})
        layout->addWidget(frame, 1, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);

    TabStrip1->setTabVisible(0, TextTabShown);
    TabStrip1->setTabVisible(1, PropertyTabShown);
    TabStrip1->setTabVisible(3, AdvancedTabShown);
    TabStrip1->setCurrentIndex(TextTabShown ? 0 : PropertyTabShown ? 1 : 2);
    connect(TabStrip1, &QTabBar::currentChanged, this, &find::TabStrip1_Click);
    TabStrip1_Click();
}

QGroupBox* find::buildTextFrame()
{
    nam = new AutoCompleteCombo;
    nam->setObjectName("nam");
    Check18 = new XPCheckBox("Extra fast (but not exhaustive)");
    Check1 = new XPCheckBox("Mach case");
    options = stackedGroup("Options", {Check18, Check1}, nullptr);
    Option1 = option("All volumes", true);
    Option2 = option("Selected volume");
    Option3 = option("On web");
    Combo7 = list({"MP3 search"});
    Combo7->setToolTip("If you know any good other mp3 search engine please email us");
    in = stackedGroup("In", {Option1, Option2, Option3, Combo7}, nullptr);
    return stackedGroup({}, {nam, options, in}, this);
}

QGroupBox* find::buildPropertyFrame()
{
    auto* frame = new QGroupBox("Terms", this);
    auto* grid = new QGridLayout(frame);
    const auto row = [&](XPCheckBox*& box, const QString& caption, QComboBox*& operators, QComboBox*& values,
                         const QStringList& items, bool editable) {
        box = new XPCheckBox(caption, frame);
        operators = list(Operators);
        values = list(items, editable);
        operators->setEnabled(false);
        values->setEnabled(false);
        const int line = grid->rowCount();
        grid->addWidget(box, line, 0);
        grid->addWidget(operators, line, 1);
        grid->addWidget(values, line, 2);
    };
    row(Check2, "Bit rate", Combo1, Combo2, {"128 Kbit/s", "160 Kbit/s", "192 Kbit/s"}, false);
    row(Check3, "Sample rate", Combo3, Combo4, {"22050 Hz", "32000 Hz", "44100 Hz"}, false);
    row(Check4, "Size", Combo5, Combo6, {"Size in bytes"}, true);
    row(Check6, "MPEG version", Combo9, Combo8, {"1.0", "2.0", "2.5"}, false);
    row(Check7, "MPEG layer", Combo10, Combo11, {"1", "2", "3"}, false);
    Option12 = option("All volumes", true);
    Option11 = option("Selected volume");
    Frame8 = stackedGroup("In", {Option12, Option11}, frame);
    grid->addWidget(Frame8, grid->rowCount(), 0, 1, 3);
    grid->setRowStretch(grid->rowCount(), 1);
    return frame;
}

QGroupBox* find::buildDuplicatesFrame()
{
    Check15 = new XPCheckBox("Filename");
    Check16 = new XPCheckBox("Property");
    Check17 = new XPCheckBox("Tag");
    Frame6 = stackedGroup("Compare", {Check15, Check16, Check17}, nullptr);
    Option6 = option("All volumes", true);
    Option5 = option("Selected volume");
    Option4 = option("Selected volume (Source all volumes)");
    Frame5 = stackedGroup("In", {Option6, Option5, Option4}, nullptr);
    return stackedGroup({}, {Frame6, Frame5}, this);
}

QGroupBox* find::buildAdvancedFrame()
{
    Option9 = option("All volumes", true);
    Option8 = option("Selected volume");
    Option7 = option("Selected volume (Source all volumes)");
    Frame7 = stackedGroup("In", {Option9, Option8, Option7}, nullptr);
    Label1 = new QLabel("Match file names by %");
    Slider1 = new QSlider(Qt::Horizontal);
    Slider1->setRange(20, 100);
    Slider1->setValue(80);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(10);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(10);
    return stackedGroup("Advanced search for duplicates by filename", {Frame7, Label1, Slider1}, this);
}

void find::buildButtons()
{
    Command1 = new WinXPbut("Find", this);
    Command2 = new WinXPbut("Close", this);
    Command1->setObjectName("Command1");
    Command2->setObjectName("Command2");
    // Enter presses the focused button, and Find while the keyboard is elsewhere.
    Command1->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    static_cast<QGridLayout*>(layout())->addLayout(buttons, 0, 1, 2, 1);
    connect(Command1, &WinXPbut::Click, this, &find::Command1_Click);
    connect(Command2, &WinXPbut::Click, this, &find::Command2_Click);
}

void find::connectCheckBoxes()
{
    DuplicateCriteria& criteria = m_environment.criteria;
    connect(Check15, &XPCheckBox::Click, this, [this, &criteria] { criteria.Check15 = Check15->Value(); });
    connect(Check16, &XPCheckBox::Click, this, [this, &criteria] { criteria.Check16 = Check16->Value(); });
    connect(Check17, &XPCheckBox::Click, this, [this, &criteria] { criteria.Check17 = Check17->Value(); });
    connect(Check18, &XPCheckBox::Click, this, [this] {
        if (Check18->Value() == 1)
            Check1->setValue(0);
        Check1->setEnabled(Check18->Value() != 1);
    });
    for (const auto& [box, operators, values] : conditionRows()) {
        connect(box, &XPCheckBox::Click, this, [box, operators, values] {
            operators->setEnabled(box->Value() == 1);
            values->setEnabled(box->Value() == 1);
        });
    }
}

std::array<std::tuple<XPCheckBox*, QComboBox*, QComboBox*>, PropertyRowCount> find::conditionRows() const
{
    return {{{Check2, Combo1, Combo2},
             {Check3, Combo3, Combo4},
             {Check4, Combo5, Combo6},
             {Check6, Combo9, Combo8},
             {Check7, Combo10, Combo11}}};
}

void find::showControlsEnabled(bool enabled)
{
    // Disabled controls lose the keyboard; the one that had it gets it back at the end.
    if (!enabled)
        m_keyboard.remember(*this);
    for (QWidget* control : std::initializer_list<QWidget*>{TabStrip1, Frame1, Frame2, Frame3, Frame4, Command1})
        control->setEnabled(enabled);
    if (enabled)
        m_keyboard.giveBack();
}

void find::showEvent(QShowEvent* event)
{
    // What the user types on opening is the next search's, not a press of the button
    // that hid the window.
    if (!event->spontaneous()) {
        if (QWidget* box = firstBox())
            box->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

QWidget* find::firstBox() const
{
    const QWidget* frame = std::array<QWidget*, 4>{Frame1, Frame2, Frame3, Frame4}[size_t(selectedTab() - 1)];
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (frame->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled())
            return widget;
    }
    return nullptr;
}

void find::Form_Load()
{
    m_environment.state.Form_Load();
    loadHistory();
    // A new load starts with no criterion checked; the main window's boxes follow, so
    // that a search never goes by criteria the window does not show.
    m_environment.criteria = {Check15->Value(), Check16->Value(), Check17->Value()};
}

int find::selectedTab() const
{
    return TabStrip1->currentIndex() + 1;
}

void find::loadHistory()
{
    ComboTermList items(nam);
    SearchHistory(m_environment.historyPath).reload(items);
}

void find::TabStrip1_Click()
{
    const int tab = selectedTab();
    if (tab == 1)
        loadHistory();
    Frame1->setVisible(tab == 1);
    Frame2->setVisible(tab == 2);
    Frame3->setVisible(tab == 3);
    Frame4->setVisible(tab == 4);
}

bool find::scopeChosen(int tab) const
{
    switch (tab) {
    case 1: return Option1->isChecked() || Option2->isChecked() || Option3->isChecked();
    case 2: return Option12->isChecked() || Option11->isChecked();
    case 3: return Option4->isChecked() || Option5->isChecked() || Option6->isChecked();
    default: return true;
    }
}

void find::runSearch(int tab)
{
    switch (tab) {
    case 1: runTextSearch(); break;
    case 2: runPropertySearch(); break;
    case 3:
        findDUPLICATES(m_environment.duplicates, m_environment.criteria,
                       duplicateScope(Option4->isChecked(), Option5->isChecked(), Option6->isChecked()));
        break;
    default: runApproximateSearch(); break;
    }
}

/// The search ends with the steps of the exact one: results shown, the window given
/// back with the default pointer, and the stop request emptied, also after a Cancel.
void find::runApproximateSearch()
{
    const DuplicateSearchContext& context = m_environment.duplicates;
    ApproxSearchOptions options;
    options.scope = Option9->isChecked()   ? ApproxScope::AllVolumes
                    : Option8->isChecked() ? ApproxScope::SelectedVolume
                    : Option7->isChecked() ? ApproxScope::SelectedVolumeAgainstAll
                                           : ApproxScope::None;
    options.threshold = Slider1->value();
    options.stopRequested = [&context] { return context.window.stopRequested(); };
    options.List1 = &context.List1;
    FNDDPLBYNAME(context.catalogue, context.services, context.colors, options);
    if (context.showResults)
        context.showResults();
    context.window.enableControls();
    context.services.busy.setBusy(false);
    context.window.clearStop();
}

ListSearchContext find::listSearchContext() const
{
    const DuplicateSearchContext& duplicates = m_environment.duplicates;
    return {duplicates.catalogue, duplicates.services, duplicates.window, duplicates.showResults,
            duplicates.yieldIntervalMs};
}

void find::runTextSearch()
{
    const TextSearchChoices choices{nam->Text(),          Option1->isChecked(), Option2->isChecked(),
                                    Option3->isChecked(), Check1->Value() == 1, Check18->Value() == 1};
    ComboTermList items(nam);
    const SearchHistory history(m_environment.historyPath);
    findNAME(listSearchContext(), choices, {items, history, m_environment.desktop});
}

void find::runPropertySearch()
{
    PropertySearchChoices choices;
    const auto rows = conditionRows();
    for (size_t row = 0; row < rows.size(); ++row) {
        const auto& [box, operators, values] = rows[row];
        choices.conditions[row] = {box->Value() == 1, operators->currentText(), values->currentText()};
    }
    choices.Option11 = Option11->isChecked();
    choices.Option12 = Option12->isChecked();
    findProperty(listSearchContext(), choices);
}

void find::Command1_Click()
{
    const int tab = selectedTab();
    m_environment.state.Command1_Click(
        scopeChosen(tab), [this, tab] { runSearch(tab); }, m_environment.duplicates.services.prompt);
    if (m_unloadAfterSearch && !m_environment.state.searchRunning())
        deleteLater();
}

void find::Command2_Click()
{
    if (m_environment.state.Command2_Click(Command2->Caption()))
        hide();
}

void find::Timer1_Timer()
{
    Command2->setCaption(FindState::command2Caption(m_environment.progressShown()));
}

void find::closeEvent(QCloseEvent* event)
{
    m_environment.state.Form_Unload();
    event->accept();
    // A search runs inside this window's Find handler: the window goes once it returns.
    if (m_environment.state.searchRunning())
        m_unloadAfterSearch = true;
    else
        deleteLater();
}

} // namespace twinsweep
