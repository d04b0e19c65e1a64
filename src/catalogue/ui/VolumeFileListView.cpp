#include "VolumeFileListView.h"

#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTableView>
#include <QTreeWidget>

#include "HotTracking.h"
#include "ListSelection.h"
#include "RoutedListInput.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CollectionRemoval.h"
#include "catalogue/VolumeFileList.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "platform/ui/KeyMapping.h"

namespace twinsweep {

VolumeFileListView::VolumeFileListView(Catalogue& catalogue, Services& services, const VolumeFileListWidgets& widgets,
                                       QWidget* window)
    : QObject(window), m_catalogue(catalogue), m_services(services), m_widgets(widgets)
{
    Meniu1 = new QMenu("Meniu", window);
    Meniu1->setObjectName("Meniu1");
    buildViewEntries(widgets.viewMenu);
    registerOwnCommands();

    QTableView* view = widgets.ListFiles2;
    for (QTableView* list : {view, widgets.Duplicates})
        list->setItemDelegate(new HotTrackDelegate(list));
    m_viewport = filterListInput(view, this);
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { ListFiles2_ColumnClick(section + 1); });
}

std::vector<qsizetype> VolumeFileListView::selectedRows() const
{
    return selectedRowPositions(m_widgets.ListFiles2->selectionModel());
}

void VolumeFileListView::buildViewEntries(QMenu* viewMenu)
{
    Gridlines = viewMenu->addAction("&Grid lines");
    Gridlines->setObjectName("Gridlines");
    Gridlines->setCheckable(true);
    Hottrack = viewMenu->addAction("&Hot track");
    Hottrack->setObjectName("Hottrack");
    Hottrack->setCheckable(true);
    // The entry's own toggle already flipped the check mark.
    connect(Gridlines, &QAction::triggered, this, [this] { Gridlines_Click(); });
    connect(Hottrack, &QAction::triggered, this, [this] { Hottrack_Click(); });
}

void VolumeFileListView::registerOwnCommands()
{
    m_commands.add(KeyCommand::SelectAll, [this](const auto&) { m_widgets.ListFiles2->selectAll(); });
    m_commands.add("removefl1_Click",
                   [this](const std::vector<qsizetype>& rows) { removefl1_Click(m_catalogue, m_services, rows); });
}

void VolumeFileListView::readViewSettings()
{
    const auto stored = [this](const Setting& setting) {
        return readBoolean(m_services.settings.value(setting)).value_or(*readBoolean(setting.fallback));
    };
    setGridLines(stored(Settings::GridLines));
    setHotTracking(stored(Settings::HotTracking));
    setSorted(stored(Settings::Sorted));
}

void VolumeFileListView::Gridlines_Click()
{
    setGridLines(Gridlines->isChecked());
    m_services.settings.setValue(Settings::GridLines, booleanText(m_widgets.ListFiles2->showGrid()));
}

void VolumeFileListView::Hottrack_Click()
{
    setHotTracking(Hottrack->isChecked());
    m_services.settings.setValue(Settings::HotTracking, booleanText(hotTracking(m_widgets.ListFiles2)));
}

void VolumeFileListView::setGridLines(bool on)
{
    Gridlines->setChecked(on);
    m_widgets.ListFiles2->setShowGrid(on);
    m_widgets.Duplicates->setShowGrid(on);
}

void VolumeFileListView::setHotTracking(bool on)
{
    Hottrack->setChecked(on);
    for (QAbstractItemView* view :
         std::initializer_list<QAbstractItemView*>{m_widgets.ListFiles2, m_widgets.Duplicates, m_widgets.TreeView1})
        twinsweep::setHotTracking(view, on);
}

bool VolumeFileListView::isSorted() const
{
    return m_catalogue.ListFiles2.isSorted();
}

void VolumeFileListView::setSorted(bool sorted)
{
    const bool changed = sorted != isSorted();
    m_catalogue.ListFiles2.setSorted(sorted);
    m_widgets.sortTree(sorted);
    QHeaderView* header = m_widgets.ListFiles2->horizontalHeader();
    header->setSortIndicatorShown(sorted);
    header->setSortIndicator(0, Qt::AscendingOrder);
    if (changed)
        Q_EMIT sortedChanged(sorted);
}

void VolumeFileListView::Sorted_Click()
{
    setSorted(!isSorted());
    m_services.settings.setValue(Settings::Sorted, booleanText(isSorted()));
    if (!isSorted())
        m_catalogue.RefreshVolumeFileList(m_services);
}

void VolumeFileListView::ListFiles2_ColumnClick(int column)
{
    if (column == 1)
        Sorted_Click();
}

bool VolumeFileListView::eventFilter(QObject* watched, QEvent* event)
{
    if (isListKeyPress(m_widgets.ListFiles2, watched, *event))
        return routeKeyPress(m_commands, ListFiles2KeyCommand, toWinKey(static_cast<const QKeyEvent&>(*event)),
                             m_catalogue.ListFiles2.size(), [this] { return selectedRows(); });
    if (watched != m_viewport)
        return false;
    if (event->type() == QEvent::MouseButtonPress)
        ListFiles2_MouseDown(static_cast<const QMouseEvent&>(*event));
    else if (event->type() == QEvent::MouseMove)
        return ListFiles2_MouseMove(static_cast<const QMouseEvent&>(*event));
    return filterRightClick(*event, [this](const QMouseEvent& mouse) { ListFiles2_MouseUp(mouse); });
}

double VolumeFileListView::selectedTextWidth() const
{
    const QModelIndex current = m_widgets.ListFiles2->currentIndex();
    if (!current.isValid() || !m_widgets.ListFiles2->selectionModel()->isRowSelected(current.row()))
        return 0;
    return m_widgets.ListFiles2->fontMetrics().horizontalAdvance(m_catalogue.ListFiles2.text(current.row(), 0));
}

void VolumeFileListView::ListFiles2_MouseDown(const QMouseEvent& event)
{
    const int button = event.button() == Qt::LeftButton ? 1 : 0;
    const QPoint position = event.position().toPoint();
    m_pressPosition = {};
    if (!pressReachesSelectedText(button, position.x(), selectedTextWidth()))
        return;
    // The view's own press makes the row under the pointer the selected one.
    const int hitRow = m_widgets.ListFiles2->indexAt(position).row();
    if (hitRow < 0)
        return;
    const double hitWidth =
        m_widgets.ListFiles2->fontMetrics().horizontalAdvance(m_catalogue.ListFiles2.text(hitRow, 0));
    if (pressStartsFileDrag(position.x(), hitWidth)) {
        DraggedFileItem = m_catalogue.ListFiles2.row(hitRow).Tag;
        m_pressPosition = position;
    }
}

bool VolumeFileListView::ListFiles2_MouseMove(const QMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton) || m_pressPosition.isNull() || DraggedFileItem == 0)
        return false;
    const QPoint position = event.position().toPoint();
    if ((position - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
        return true;
    m_pressPosition = {};
    if (position.x() >= selectedTextWidth())
        return false;
    auto* payload = new QMimeData;
    payload->setData(DraggedFileMimeType, draggedFilePayload(DraggedFileItem));
    auto* drag = new QDrag(m_widgets.ListFiles2);
    drag->setMimeData(payload);
    drag->exec(Qt::CopyAction);
    return true;
}

void VolumeFileListView::ListFiles2_MouseUp(const QMouseEvent& event)
{
    const std::optional<RightClickSelection> selection = twinsweep::ListFiles2_MouseUp(
        2, toShiftState(event.modifiers()), m_catalogue.ListFiles2.size(), qsizetype(selectedRows().size()));
    if (!selection)
        return;
    applyRightClick(m_widgets.ListFiles2, *selection, event.position().toPoint());
    popupRoutedMenu(
        Meniu1, Meniu1Entries(), m_commands, [this] { return selectedRows(); }, event.globalPosition().toPoint());
}

} // namespace twinsweep
