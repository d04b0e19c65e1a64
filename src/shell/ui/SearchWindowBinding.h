#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "duplicates/DuplicateSearch.h"
#include "duplicates/GroupColorSource.h"
#include "duplicates/SkipList.h"
#include "platform/Services.h"
#include "search/FindState.h"
#include "search/ui/ScreenPointer.h"
#include "search/ui/find.h"

namespace twinsweep {

class Form1;

/// Binds the Search window to the main window: Tools "&Search" (F3) and the result
/// toolbar's "Search" button open it modally; it owns what the main window keeps for
/// the searches (the criteria boxes, `List1`, the stop request) for the whole run.
class SearchWindowBinding : public QObject, public GroupColorSource
{
    Q_OBJECT
public:
    explicit SearchWindowBinding(Form1& window);
    ~SearchWindowBinding() override;

    /// The loaded Search window; the first use after start or after an unload loads it.
    find& findWindow();
    /// Shows the Search window modally over the main window; returns when it is hidden.
    void Search_Click();

    FindState& state() { return m_state; }
    StopFlag& stopFlag() { return m_state.stopFlag(); }
    /// `Form1.Check15` to `Form1.Check17`.
    DuplicateCriteria& criteria() { return m_criteria; }
    SkipList& List1() { return m_List1; }

    /// The catalogue's group colour cycle, which runs on from search to search.
    ColorValue GetColor(bool NextClr) override;

private:
    void addCommands();

    Form1& m_window;
    ScreenPointer m_pointer;
    Services m_services;
    FindState m_state;
    DuplicateCriteria m_criteria;
    SkipList m_List1;
    std::unique_ptr<FindEnvironment> m_environment;
    QPointer<find> m_find;
};

/// Adds the Search window's commands to the main window.
SearchWindowBinding* installSearchWindow(Form1& window);

} // namespace twinsweep
