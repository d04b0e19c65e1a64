#include "HotTracking.h"

#include <QAbstractItemView>

namespace twinsweep {

void HotTrackDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(option->widget);
    if (view && hotTracking(view) && (option->state & QStyle::State_MouseOver))
        option->font.setUnderline(true);
}

void setHotTracking(QAbstractItemView* view, bool on)
{
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
