#include "RoutedListInput.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QMouseEvent>

#include "platform/KeyCodes.h"

namespace twinsweep {

QObject* filterListInput(QAbstractItemView* view, QObject* filter)
{
    view->setContextMenuPolicy(Qt::PreventContextMenu);
    view->installEventFilter(filter);
    QObject* viewport = view->viewport();
    viewport->installEventFilter(filter);
    return viewport;
}

bool filterRightClick(const QEvent& event, const std::function<void(const QMouseEvent&)>& rightRelease)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return static_cast<const QMouseEvent&>(event).button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::RightButton)
            return false;
        rightRelease(mouse);
        return true;
    }
    default: return false;
    }
}

void applyRightClick(QAbstractItemView* view, RightClickSelection selection, const QPoint& position)
{
    QItemSelectionModel* model = view->selectionModel();
    const QModelIndex hit = view->indexAt(position);
    switch (selection) {
    case RightClickSelection::Keep: return;
    case RightClickSelection::SelectOnlyHit:
        if (hit.isValid())
            model->setCurrentIndex(hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            model->clearSelection();
        return;
    case RightClickSelection::ToggleHit:
        if (hit.isValid())
            model->select(hit, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        return;
    }
}

void popupRoutedMenu(QMenu* menu, const QList<MenuEntry>& entries, const ListCommands& commands,
                     const std::function<std::vector<qsizetype>()>& selectedRows, const QPoint& globalPosition)
{
    menu->clear();
    for (const MenuEntry& entry : shownEntries(entries, commands)) {
        QAction* action = entry.isSeparator() ? menu->addSeparator() : menu->addAction(entry.caption);
        action->setObjectName(entry.name);
        if (!entry.isSeparator()) {
            QObject::connect(action, &QAction::triggered, menu, [&commands, selectedRows, handler = entry.handler] {
                commands.run(handler, selectedRows());
            });
        }
    }
    if (!menu->isEmpty())
        menu->popup(globalPosition);
}

namespace {
/// Reads a view's edit state, which Qt keeps to the view and its subclasses.
struct ViewEditState : QAbstractItemView
{
    static bool editing(const QAbstractItemView& view) { return (view.*&ViewEditState::state)() == EditingState; }
};
} // namespace

bool isListKeyPress(const QAbstractItemView* view, const QObject* watched, const QEvent& event)
{
    // The editor's key reaches the view while the edit is still open: the editor
    // closes in a queued call.
    return watched == view && event.type() == QEvent::KeyPress && !ViewEditState::editing(*view);
}

bool routeKeyPress(const ListCommands& commands, QString (*keyCommand)(int KeyCode, int Shift), const WinKey& key,
                   qsizetype rowCount, const std::function<std::vector<qsizetype>()>& selectedRows)
{
    const QString command = keyCommand(key.keyCode, key.shift);
    if (command.isEmpty())
        return false;
    if (rowCount > 0)
        commands.run(command, selectedRows());
    return true;
}

} // namespace twinsweep
