#include "SearchWindowBinding.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTableView>

#include "Form1.h"
#include "Toolbars.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ResultList.h"

namespace twinsweep {

namespace {
Services withPointer(Services& services, BusyIndicator& pointer)
{
    return {services.prompt, services.status, services.dialogs, pointer, services.pump, services.settings};
}
} // namespace

SearchWindowBinding::SearchWindowBinding(Form1& window)
    : QObject(&window),
      m_window(window),
      m_services(withPointer(window.services(), m_pointer)),
      m_state(window.services().status, m_pointer)
{
    m_environment.reset(new FindEnvironment{
        m_state,
        m_criteria,
        DuplicateSearchContext{window.catalogue(), m_services, *this, m_state, m_List1,
                               [&window] { serachsel_Click(window.catalogue()); }},
        [&window] { return !window.ProgressBar1->isHidden(); },
    });
    m_environment->desktop = &window.desktop();
    addCommands();
}

SearchWindowBinding::~SearchWindowBinding()
{
    delete m_find;
}

void SearchWindowBinding::addCommands()
{
    QAction* search = m_window.toolsMenu->addAction("&Search");
    search->setObjectName("Search");
    search->setShortcut(QKeySequence(Qt::Key_F3));
    connect(search, &QAction::triggered, this, &SearchWindowBinding::Search_Click);
    m_window.toolbars->add(ToolbarCommand::Search, [this] { Search_Click(); });
}

find& SearchWindowBinding::findWindow()
{
    if (!m_find) {
        m_find = new find(*m_environment, &m_window);
        m_find->Form_Load();
    }
    return *m_find;
}

void SearchWindowBinding::Search_Click()
{
    findWindow().exec();
}

ColorValue SearchWindowBinding::GetColor(bool NextClr)
{
    return m_window.catalogue().groupColors.GetColor(NextClr);
}

SearchWindowBinding* installSearchWindow(Form1& window)
{
    return new SearchWindowBinding(window);
}

} // namespace twinsweep
