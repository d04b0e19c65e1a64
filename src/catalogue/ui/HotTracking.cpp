#include "HotTracking.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPersistentModelIndex>

namespace twinsweep {

namespace {

/// Follows the pointer over a view's rows: the view's own hover state covers only the
/// cell under the pointer, while the row's item text is the one drawn underlined.
class HotRow : public QObject
{
public:
    explicit HotRow(QAbstractItemView* view) : QObject(view), m_view(view)
    {
        setObjectName(QStringLiteral("hotRow"));
        view->viewport()->installEventFilter(this);
    }
    /// The first cell of the row under the pointer, or an invalid index.
    QModelIndex item() const { return m_item; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove)
            show(m_view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).siblingAtColumn(0));
        else if (event->type() == QEvent::Leave)
            show({});
        return false;
    }

private:
    void show(const QModelIndex& item)
    {
        if (item == m_item)
            return;
        m_view->update(m_item);
        m_item = item;
        m_view->update(m_item);
    }

    QAbstractItemView* m_view;
    QPersistentModelIndex m_item;
};

HotRow* hotRowOf(const QAbstractItemView* view)
{
    return view->findChild<HotRow*>(QStringLiteral("hotRow"), Qt::FindDirectChildrenOnly);
}

} // namespace

void HotTrackDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(option->widget);
    if (!view || !hotTracking(view))
        return;
    if (const HotRow* hot = hotRowOf(view); hot && index.column() == 0 && index == hot->item())
        option->font.setUnderline(true);
}

void setHotTracking(QAbstractItemView* view, bool on)
{
    if (on && !hotRowOf(view))
        new HotRow(view);
    view->setProperty("hotTracking", on);
    view->viewport()->setAttribute(Qt::WA_Hover, on);
    view->setMouseTracking(on);
    if (on)
        view->viewport()->setCursor(Qt::PointingHandCursor);
    else
        view->viewport()->unsetCursor();
    view->viewport()->update();
}

bool hotTracking(const QAbstractItemView* view)
{
    return view->property("hotTracking").toBool();
}

} // namespace twinsweep
