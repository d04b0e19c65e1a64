#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace twinsweep {

/// Draws the item text of the row under the pointer (the file name, the volume name)
/// underlined while its view tracks the pointer, the look of a hot-tracking list;
/// otherwise a plain item delegate.
class HotTrackDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

/// Switches hot tracking of `view` on or off: the item text of the row under the
/// pointer is drawn underlined (with a `HotTrackDelegate`) and the pointer becomes a
/// pointing hand.
void setHotTracking(QAbstractItemView* view, bool on);
bool hotTracking(const QAbstractItemView* view);

} // namespace twinsweep
