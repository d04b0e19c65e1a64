#include "Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

#include "catalogue/Catalogue.h"
#include "catalogue/ui/FileListModel.h"
#include "catalogue/ui/FileListSelection.h"
#include "catalogue/ui/HotTracking.h"
#include "catalogue/ui/RowListView.h"
#include "controls/MainSplitter.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/Twips.h"
#include "shell/ui/MainWindowPanes.h"
#include "shell/ui/Shutdown.h"
#include "shell/ui/Toolbars.h"
#include "shell/ui/VolumeFileListInstall.h"
#include "shell/ui/WindowServices.h"

namespace twinsweep {

Form1::Form1(Catalogue& catalogue, Prompt& prompt, FileDialogs& dialogs, EventPump& pump, SettingsStore& settings,
             DesktopLinks& desktop, QWidget* parent)
    : QMainWindow(parent), m_catalogue(catalogue), m_desktop(desktop)
{
    setWindowTitle("Twinsweep");
    resize(1000, 700);
    buildStatusBar();
    buildViews();
    buildMenus();
    buildToolbar();
    m_status = std::make_unique<StatusBarDisplay>(statusPanel, ProgressBar1);
    m_busy = std::make_unique<WindowBusyIndicator>(this);
    m_services.reset(new Services{prompt, *m_status, dialogs, *m_busy, pump, settings});
    resultList = new ResultListView(m_catalogue, *m_services, {Duplicates, lowerPane, query, viewMenu}, this);
    installVolumeFileList(*this);
    connect(&m_catalogue.TreeView1, &VolumeTree::nodesChanged, this, &Form1::rebuildTree);
    connect(&m_catalogue.TreeView1, &VolumeTree::selectionChanged, this, &Form1::showTreeSelection);
    connect(&m_catalogue, &Catalogue::collectionChangedChanged, this, &Form1::showCollectionChanged);
    rebuildTree();
    showCollectionChanged(m_catalogue.CollectionChanged());
}

void Form1::placePanes()
{
    m_panes = std::make_unique<MainWindowPanes>(*this);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!Form_Unload(*this)) {
        event->ignore();
        return;
    }
    runStep(lifecycle.endPlayback);
    QMainWindow::closeEvent(event);
}

void Form1::hideEmptyMenus()
{
    // A menu shows only once a command in it works.
    for (QMenu* menu : {fileMenu, editMenu, viewMenu, toolsMenu, helpMenu})
        menu->menuAction()->setVisible(!menu->isEmpty());
}

Form1::~Form1() = default;

void Form1::buildStatusBar()
{
    statusPanel = new QLabel(this);
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(statusPanel, 1);
    // Laid over the status text's panel by the interface timer, right of the text.
    ProgressBar1 = new QProgressBar(statusBar());
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
}

namespace {
/// Each tree item keeps its node's Index, which a sorted tree no longer shows by position.
constexpr int NodeIndexRole = Qt::UserRole;

/// Hands a finished in-place edit of a volume name to the rename rule instead of
/// writing it into the tree, so that a refused name (an unchanged one included) is
/// never shown; an accepted one reaches the tree through the catalogue.
class VolumeNameDelegate : public HotTrackDelegate
{
public:
    using Handler = std::function<void(int index, const QString& name)>;
    VolumeNameDelegate(Handler onEdited, QObject* parent) : HotTrackDelegate(parent), m_onEdited(std::move(onEdited)) {}
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        // The rename rebuilds the tree, which must wait until the view has closed its
        // editor: the rule runs once control is back in the event loop.
        if (const auto* line = qobject_cast<QLineEdit*>(editor)) {
            QMetaObject::invokeMethod(
                parent(),
                [onEdited = m_onEdited, node = index.data(NodeIndexRole).toInt(), name = line->text()] {
                    onEdited(node, name);
                },
                Qt::QueuedConnection);
        }
    }

private:
    Handler m_onEdited;
};

/// The volume tree. A key that makes another volume current lists that volume's files at
/// once, as a click does, so that a command for the selected volume acts on the files in
/// view; a right click selects for the tree's menu alone, without listing.
class VolumeTreeWidget : public QTreeWidget
{
public:
    VolumeTreeWidget(std::function<void()> listCurrentVolume, QWidget* parent)
        : QTreeWidget(parent), m_listCurrentVolume(std::move(listCurrentVolume))
    {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QPersistentModelIndex before = currentIndex();
        QTreeWidget::keyPressEvent(event);
        if (before != currentIndex())
            m_listCurrentVolume();
    }

private:
    std::function<void()> m_listCurrentVolume;
};

QTableView* makeFileView(QWidget* parent, FileListModel* model, const QString& name)
{
    auto* view = new RowListView(parent);
    view->setObjectName(name);
    view->setModel(model);
    new FileListSelection(model->list(), view);
    return view;
}
} // namespace

void Form1::buildViews()
{
    TreeView1 = new VolumeTreeWidget([this] { ClickNOD(); }, this);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_filesModel = new FileListModel(m_catalogue.ListFiles2, false, this);
    m_duplicatesModel = new FileListModel(m_catalogue.Duplicates, true, this);
    ListFiles2 = makeFileView(this, m_filesModel, "ListFiles2");
    Duplicates = makeFileView(this, m_duplicatesModel, "Duplicates");
    query = new RowListView(this);
    query->setObjectName("query");

    lowerPane = new QStackedWidget(this);
    lowerPane->addWidget(Duplicates);
    lowerPane->addWidget(query);

    // The panes sit on the inner area by position; the layout records keep them in
    // proportion and the edge between them moves the split.
    auto* surface = new QWidget(this);
    Frame1 = new QWidget(surface);
    Frame1->setObjectName("Frame1");
    auto* lists = new QSplitter(Qt::Horizontal, Frame1);
    lists->addWidget(TreeView1);
    lists->addWidget(ListFiles2);
    lists->setStretchFactor(1, 1);
    lists->setSizes({220, 780});
    auto* upperLayout = new QVBoxLayout(Frame1);
    // The strip below the lists is the edge that the user drags.
    upperLayout->setContentsMargins(0, 0, 0, twipsToPixels(MainSplitter::EdgeZone, logicalDpiX()));
    upperLayout->addWidget(lists);

    Frame2 = new QWidget(surface);
    Frame2->setObjectName("Frame2");
    Toolbar2 = new QToolBar("Toolbar2", Frame2);
    Toolbar2->setObjectName("Toolbar2");
    auto* lowerLayout = new QVBoxLayout(Frame2);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(0);
    lowerLayout->addWidget(Toolbar2);
    lowerLayout->addWidget(lowerPane);
    setCentralWidget(surface);

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_rebuildingTree)
            m_catalogue.TreeView1.select(item ? item->data(0, NodeIndexRole).toInt() : 0);
    });
    connect(TreeView1, &QTreeWidget::itemClicked, this, &Form1::ClickNOD);
    connect(TreeView1, &QTreeWidget::itemActivated, this, &Form1::ClickNOD);
    connect(TreeView1, &QTreeWidget::customContextMenuRequested, this, &Form1::TreeView1_MouseDown);
    TreeView1->setItemDelegate(new VolumeNameDelegate(
        [this](int index, const QString& name) {
            m_catalogue.TreeView1_AfterLabelEdit(m_services->prompt, index, name);
        },
        TreeView1));
}

void Form1::buildMenus()
{
    fileMenu = menuBar()->addMenu("&Colection");
    editMenu = menuBar()->addMenu("&Edit");
    editMenu->menuAction()->setObjectName("edit");
    viewMenu = menuBar()->addMenu("&View");
    toolsMenu = menuBar()->addMenu("&Tools");
    helpMenu = menuBar()->addMenu("&Help");

    QAction* exit = fileMenu->addAction("E&xit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QAction* rename = editMenu->addAction("&Rename volume");
    rename->setObjectName("Renamevolume");
    connect(rename, &QAction::triggered, this, &Form1::Renamevolume_Click);

    popMNU = new QMenu(this);
    popMNU->setObjectName("popMNU");
    QAction* rnm = popMNU->addAction("Rename");
    rnm->setObjectName("rnm");
    connect(rnm, &QAction::triggered, this, &Form1::Renamevolume_Click);
}

void Form1::buildToolbar()
{
    Toolbar1 = addToolBar("Toolbar1");
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setMovable(false);
    toolbars = new Toolbars(Toolbar1, Toolbar2, this);
    toolbarSave = toolbars->button(ToolbarCommand::Save);
    toolbarSaveSeparator = toolbars->separatorBefore(ToolbarCommand::Save);
}

void Form1::showCollectionChanged(bool changed)
{
    toolbars->setShown(ToolbarCommand::Save, changed);
}

void Form1::rebuildTree()
{
    m_rebuildingTree = true;
    TreeView1->clear();
    const VolumeTree& tree = m_catalogue.TreeView1;
    for (int index = 1; index <= tree.count(); ++index) {
        auto* item = new QTreeWidgetItem(TreeView1, {tree.node(index).Text});
        item->setData(0, NodeIndexRole, index);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setIcon(0, style()->standardIcon(QStyle::SP_DriveCDIcon));
    }
    if (tree.selectedIndex() > 0)
        TreeView1->setCurrentItem(treeItem(tree.selectedIndex()));
    m_rebuildingTree = false;
}

void Form1::showTreeSelection(int index)
{
    QTreeWidgetItem* item = treeItem(index);
    if (item == TreeView1->currentItem())
        return;
    m_rebuildingTree = true;
    TreeView1->setCurrentItem(item);
    m_rebuildingTree = false;
}

QTreeWidgetItem* Form1::treeItem(int index) const
{
    for (int position = 0; position < TreeView1->topLevelItemCount(); ++position) {
        QTreeWidgetItem* item = TreeView1->topLevelItem(position);
        if (item->data(0, NodeIndexRole).toInt() == index)
            return item;
    }
    return nullptr;
}

void Form1::setTreeSorted(bool sorted)
{
    if (sorted == TreeView1->isSortingEnabled())
        return;
    TreeView1->setSortingEnabled(sorted);
    if (sorted)
        TreeView1->sortItems(0, Qt::AscendingOrder);
    else
        rebuildTree(); // back to the order of the nodes
}

void Form1::ClickNOD()
{
    m_catalogue.ClickNOD(*m_services);
}

void Form1::Renamevolume_Click()
{
    if (QTreeWidgetItem* item = TreeView1->currentItem())
        TreeView1->editItem(item);
}

void Form1::TreeView1_MouseDown(const QPoint& position)
{
    if (TreeView1->topLevelItemCount() == 0)
        return;
    if (QTreeWidgetItem* item = TreeView1->itemAt(position))
        TreeView1->setCurrentItem(item);
    popMNU->popup(TreeView1->viewport()->mapToGlobal(position));
}

} // namespace twinsweep
