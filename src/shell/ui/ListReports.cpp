#include "ListReports.h"

#include <QMenu>
#include <QPointer>
#include <QPrinter>

#include "catalogue/Catalogue.h"
#include "catalogue/Module1.h"
#include "shell/ListStatistics.h"
#include "shell/TxtExport.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Form2.h"
#include "shell/ui/Form3.h"
#include "shell/ui/MenuEntries.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {

namespace {
QAction* makeEntry(QObject* parent, const char* name, const QString& text)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    return action;
}

} // namespace

ListReports::ListReports(Form1& window) : QObject(&window), m_window(window)
{
    addCollectionMenuEntries();
    addTreeMenuEntries();
    addToolbarButtons();
    // Shutdown unloads the statistics windows first, then what other parts unload.
    auto unloadOthers = std::move(m_window.lifecycle.unloadWindows);
    m_window.lifecycle.unloadWindows = [this, unloadOthers] {
        m_form2.reset();
        m_form3.reset();
        runStep(unloadOthers);
    };
}

ListReports::~ListReports() = default;

void ListReports::addCollectionMenuEntries()
{
    QMenu* menu = m_window.fileMenu;
    QAction* exit = exitEntry(menu);
    QAction* txtFILE = makeEntry(menu, "txtFILE", "TXT file");
    subMenu(menu, "exp", "Export to...", exit)->addAction(txtFILE);
    QAction* printint = makeEntry(menu, "printint", "Print");
    QAction* Statistic = makeEntry(menu, "Statistic", "S&tatistics");
    menu->insertActions(exit, {printint, Statistic});
    menu->insertSeparator(exit);
    connect(txtFILE, &QAction::triggered, this, &ListReports::txtFILE_Click);
    connect(printint, &QAction::triggered, this, &ListReports::printint_Click);
    connect(Statistic, &QAction::triggered, this, &ListReports::Statistic_Click);
}

void ListReports::addTreeMenuEntries()
{
    QMenu* menu = m_window.popMNU;
    if (!menu->findChild<QMenu*>("exp1", Qt::FindDirectChildrenOnly))
        menu->addSeparator()->setObjectName("spc9");
    QAction* txtfile1 = makeEntry(menu, "txtfile1", "TXT file");
    subMenu(menu, "exp1", "Export to...", nullptr)->addAction(txtfile1);
    QAction* stat = makeEntry(menu, "stat", "Statistics");
    menu->addAction(stat);
    connect(txtfile1, &QAction::triggered, this, &ListReports::txtfile1_Click);
    connect(stat, &QAction::triggered, this, &ListReports::stat_Click);
}

void ListReports::addToolbarButtons()
{
    m_window.toolbars->add(ToolbarCommand::Statistics, [this] { Statistic_Click(); });
    m_window.toolbars->add(ToolbarCommand::ResultStatistics, [this] { Statistics1_Click(); });
}

void ListReports::Statistics_Click(const ListSource& list)
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>();
    m_form2->ShowInfo(listStatistics(list));
}

void ListReports::Statistics1_Click()
{
    if (!m_form3)
        m_form3 = std::make_unique<Form3>();
    const Catalogue& catalogue = m_window.catalogue();
    m_form3->ShowInfo(resultStatistics(catalogue.Duplicates, catalogue.ListFiles));
}

ListSource ListReports::collection() const
{
    return ListSource(m_window.catalogue().ListFiles);
}

ListSource ListReports::selectedVolume()
{
    m_window.ClickNOD();
    const Catalogue& catalogue = m_window.catalogue();
    return ListSource(catalogue.ListFiles2, catalogue.ListFiles);
}

void ListReports::Statistic_Click()
{
    Statistics_Click(collection());
}

void ListReports::stat_Click()
{
    Statistics_Click(selectedVolume());
}

void ListReports::exportList(const ListSource& list)
{
    Services& services = m_window.services();
    QString path = Module1::ShowSaveDialog(services.dialogs, {}, "Save txt file", "*.txt");
    ExportListToTxt(list, path, services);
}

void ListReports::txtFILE_Click()
{
    exportList(collection());
}

void ListReports::txtfile1_Click()
{
    exportList(selectedVolume());
}

void ListReports::printint_Click()
{
    // The window may go with its owner while it runs, so it is not kept on the stack.
    const QPointer<Form7> window = new Form7(m_window.catalogue(), m_window.services(), m_printers, &m_window);
    window->exec();
    delete window;
}

ListReports* installListReports(Form1& window)
{
    return new ListReports(window);
}

} // namespace twinsweep
