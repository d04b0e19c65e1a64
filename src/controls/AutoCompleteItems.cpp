#include "AutoCompleteItems.h"

#include "platform/KeyCodes.h"

namespace twinsweep {

namespace {
/// Longer than any text typed in a box: the selection reaches the text's end.
constexpr int RestOfText = 255;
} // namespace

bool AutoCompleteItems::AddItem(const QString& item)
{
    if (item.isEmpty())
        return false;
    if (m_slots.first().isEmpty())
        m_slots.first() = item;
    else
        m_slots.append(item);
    return true;
}

QStringList AutoCompleteItems::AddItems(const QVariantList& items)
{
    QStringList stored;
    for (const QVariant& element : items) {
        const QString item = element.toString().toUpper();
        if (AddItem(item))
            stored.append(item);
    }
    return stored;
}

bool AutoCompleteItems::RemoveItem(int index)
{
    if (index < 0 || index >= m_slots.size())
        return false;
    if (m_slots.size() == 1)
        Clear();
    else
        m_slots.removeAt(index);
    return true;
}

int AutoCompleteItems::SelectedItem(const QString& text) const
{
    for (int index = 0; index < m_slots.size(); ++index) {
        if (m_slots[index].compare(text, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

std::optional<AutoCompleteItems::Completion> AutoCompleteItems::complete(int keyCode, int shift, const QString& text,
                                                                         int selStart) const
{
    if (keyCode < VirtualKey::A || (shift & (ShiftState::Ctrl | ShiftState::Alt)))
        return std::nullopt;
    const int caret = selStart == 0 ? 1 : selStart;
    for (const QString& item : m_slots) {
        if (item.startsWith(text, Qt::CaseInsensitive))
            return Completion{text + item.right(item.size() - text.size()), caret, RestOfText};
    }
    return Completion{text, caret, 0};
}

} // namespace twinsweep
