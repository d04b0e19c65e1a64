#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace twinsweep {

/// The items an `AutoCompleteCombo` completes typed text from, in the order they were
/// added, beside the ones its list shows. An empty store holds one empty slot, which
/// the first added item fills.
class AutoCompleteItems
{
public:
    /// The edit field after a completion: the text, and the completed part selected.
    struct Completion
    {
        QString text;
        int selStart = 0;
        int selLength = 0;
    };

    /// The stored texts, the empty slot of an empty store included.
    const QStringList& slots() const { return m_slots; }

    /// Stores `item` at the end; an empty text is ignored. Gives whether it was stored.
    bool AddItem(const QString& item);
    /// Each element as upper-case text, through `AddItem`; gives the texts stored.
    QStringList AddItems(const QVariantList& items);
    /// Removes the item at `index`; removing the only item empties the store. Gives
    /// false, and changes nothing, for an index outside the store.
    bool RemoveItem(int index);
    void Clear() { m_slots = QStringList{QString()}; }
    /// The index of the first slot equal to `text` regardless of case, or -1.
    int SelectedItem(const QString& text) const;

    /// What a key release in the edit field does: for a letter or any key coded 65 or
    /// above (not Backspace, Delete, the arrows, Space or the digits), typed without
    /// Ctrl or Alt, the text completed with the first item that begins with it
    /// regardless of case, or only the caret put back when none does. Empty for the
    /// other keys.
    std::optional<Completion> complete(int keyCode, int shift, const QString& text, int selStart) const;

private:
    QStringList m_slots{QString()};
};

} // namespace twinsweep
