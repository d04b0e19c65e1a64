#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <tuple>

#include "controls/ui/KeyboardKeeper.h"
#include "duplicates/DuplicateSearch.h"
#include "search/HitPass.h"
#include "search/PropertySearch.h"
#include "search/SearchHistory.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QTabBar;
class QTimer;

namespace twinsweep {

class AutoCompleteCombo;
class DesktopLinks;
class FindState;
class WinXPbut;
class XPCheckBox;

/// What the Search window works with; all of it outlives the window.
struct FindEnvironment
{
    FindState& state;
    /// The main window's hidden `Check15` to `Check17`, which the duplicate search reads.
    DuplicateCriteria& criteria;
    DuplicateSearchContext duplicates;
    /// Whether the main window's `ProgressBar1` is shown.
    std::function<bool()> progressShown;
    /// The search history that fills the list of `nam`.
    QString historyPath = SearchHistory::defaultFilePath();
    /// Opens the web search in the user's browser.
    DesktopLinks* desktop = nullptr;
};

/// The Search window: four tabs of search choices, Find and Close/Cancel. Closing it
/// with Close only hides it, so its choices stay for the next showing.
class find : public QDialog
{
    Q_OBJECT
public:
    // A tab stays hidden until its search is built; each switch shows one tab.
    static constexpr bool TextTabShown = true;
    static constexpr bool PropertyTabShown = true;
    static constexpr bool AdvancedTabShown = true;

    explicit find(FindEnvironment& environment, QWidget* parent = nullptr);

    /// Runs once per load, when the program first uses the window.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void TabStrip1_Click();
    /// The selected tab, from 1.
    int selectedTab() const;

    QTabBar* TabStrip1 = nullptr;
    QGroupBox* Frame1 = nullptr; // "Text"
    QGroupBox* Frame2 = nullptr; // "Property"
    QGroupBox* Frame3 = nullptr; // "Duplicates"
    QGroupBox* Frame4 = nullptr; // "Duplicates (Advanced)"

    AutoCompleteCombo* nam = nullptr;
    QGroupBox* options = nullptr;
    XPCheckBox* Check18 = nullptr;
    XPCheckBox* Check1 = nullptr;
    QGroupBox* in = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QComboBox* Combo7 = nullptr;

    XPCheckBox* Check2 = nullptr;
    XPCheckBox* Check3 = nullptr;
    XPCheckBox* Check4 = nullptr;
    XPCheckBox* Check6 = nullptr;
    XPCheckBox* Check7 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo5 = nullptr;
    QComboBox* Combo6 = nullptr;
    QComboBox* Combo8 = nullptr;
    QComboBox* Combo9 = nullptr;
    QComboBox* Combo10 = nullptr;
    QComboBox* Combo11 = nullptr;
    QGroupBox* Frame8 = nullptr;
    QRadioButton* Option12 = nullptr;
    QRadioButton* Option11 = nullptr;

    QGroupBox* Frame6 = nullptr;
    XPCheckBox* Check15 = nullptr;
    XPCheckBox* Check16 = nullptr;
    XPCheckBox* Check17 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option4 = nullptr;

    QGroupBox* Frame7 = nullptr;
    QRadioButton* Option9 = nullptr;
    QRadioButton* Option8 = nullptr;
    QRadioButton* Option7 = nullptr;
    QLabel* Label1 = nullptr;
    QSlider* Slider1 = nullptr;

    WinXPbut* Command1 = nullptr; // "Find"
    WinXPbut* Command2 = nullptr; // "Close", "Cancel" while a search runs
    QTimer* Timer1 = nullptr;

protected:
    /// Closing from the title bar unloads the window.
    void closeEvent(QCloseEvent* event) override;
    /// Esc does nothing: only Close hides the window.
    void reject() override {}
    /// Each showing puts the keyboard in the selected tab's first box.
    void showEvent(QShowEvent* event) override;

private:
    void buildTabs();
    QGroupBox* buildTextFrame();
    QGroupBox* buildPropertyFrame();
    QGroupBox* buildDuplicatesFrame();
    QGroupBox* buildAdvancedFrame();
    void buildButtons();
    void connectCheckBoxes();
    void showControlsEnabled(bool enabled);
    /// The first control of the selected tab that Tab reaches, if any.
    QWidget* firstBox() const;
    bool scopeChosen(int tab) const;
    void runSearch(int tab);
    void runApproximateSearch();
    void runTextSearch();
    void runPropertySearch();
    ListSearchContext listSearchContext() const;
    /// Each condition row of the "Property" tab: its check box, operator and value boxes.
    std::array<std::tuple<XPCheckBox*, QComboBox*, QComboBox*>, PropertyRowCount> conditionRows() const;
    /// Fills the list of `nam` from the search history, emptying it first.
    void loadHistory();

    FindEnvironment& m_environment;
    bool m_unloadAfterSearch = false;
    /// The control that had the keyboard when a search took the controls.
    KeyboardKeeper m_keyboard;
};

} // namespace twinsweep
