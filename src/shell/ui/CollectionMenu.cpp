#include "CollectionMenu.h"

#include <QMenu>

#include "catalogue/CollectionCommands.h"
#include "shell/RUF.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {

namespace {

QAction* insertEntry(QMenu* menu, QAction* before, const char* name, const QString& text)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(name);
    menu->insertAction(before, action);
    return action;
}

/// Keeps the entries `mnuRUF` after "E&xit" in step with the recent-files list.
class RecentMenu : public QObject
{
public:
    RecentMenu(Form1& form, RUF& recent) : QObject(&recent), m_form(form), m_recent(recent)
    {
        m_separator = m_form.fileMenu->addSeparator();
        connect(&recent, &RUF::entriesChanged, this, &RecentMenu::refresh);
        refresh();
    }

private:
    void refresh()
    {
        // The entry that was clicked may be the one running now: let it finish first.
        for (QAction* entry : std::as_const(m_entries)) {
            m_form.fileMenu->removeAction(entry);
            entry->setParent(nullptr);
            entry->deleteLater();
        }
        m_entries.clear();
        const QStringList& captions = m_recent.captions();
        for (int index = 1; index <= captions.size(); ++index) {
            // A path may hold "&", which a menu would take as a mnemonic.
            QString text = captions[index - 1];
            auto* entry = new QAction(text.replace("&", "&&"), m_form.fileMenu);
            entry->setObjectName("mnuRUF" + QString::number(index));
            entry->setVisible(index > 1 || m_recent.firstEntryVisible());
            connect(entry, &QAction::triggered, this,
                    [this, index] { m_recent.mnuRUF_Click(index, m_form.catalogue(), m_form.services()); });
            m_form.fileMenu->addAction(entry);
            m_entries.append(entry);
        }
        m_separator->setVisible(captions.size() > 1 || m_recent.firstEntryVisible());
    }

    Form1& m_form;
    RUF& m_recent;
    QAction* m_separator = nullptr;
    QList<QAction*> m_entries;
};

} // namespace

RUF* buildCollectionMenu(Form1& form)
{
    auto* recent = new RUF(form.services().settings);
    recent->setParent(&form);
    Catalogue& catalogue = form.catalogue();
    Services& services = form.services();
    const auto newList = [&catalogue, &services, recent] { Newlist_Click(catalogue, services, *recent); };
    const auto open = [&catalogue, &services, recent] { Load_Click(catalogue, services, *recent); };
    const auto save = [&catalogue, &services, recent] { Save1_Click(catalogue, services, *recent); };
    const auto saveAs = [&catalogue, &services, recent] { Save_Click(catalogue, services, *recent); };

    QMenu* menu = form.fileMenu;
    QAction* first = menu->actions().value(0);
    QObject::connect(insertEntry(menu, first, "Newlist", "&New"), &QAction::triggered, &form, newList);
    QObject::connect(insertEntry(menu, first, "Load", "&Open"), &QAction::triggered, &form, open);
    QObject::connect(insertEntry(menu, first, "Save1", "&Save"), &QAction::triggered, &form, save);
    QObject::connect(insertEntry(menu, first, "Save", "Save &As"), &QAction::triggered, &form, saveAs);
    menu->insertSeparator(first);

    form.toolbars->add(ToolbarCommand::Save, save);
    form.toolbars->add(ToolbarCommand::Open, open);
    form.toolbars->add(ToolbarCommand::NewCollection, newList);

    new RecentMenu(form, *recent);
    recent->LoadRecentFiles();
    return recent;
}

} // namespace twinsweep
