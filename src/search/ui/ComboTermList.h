#pragma once

#include <QComboBox>

#include "search/SearchHistory.h"

namespace twinsweep {

/// The items of the search term box `nam` as the history reads and extends them.
/// Adding or clearing items keeps the text typed in the box.
class ComboTermList : public TermList
{
public:
    explicit ComboTermList(QComboBox* combo) : m_combo(combo) {}
    int ListCount() const override { return m_combo->count(); }
    QString list(int index) const override { return m_combo->itemText(index); }
    void AddItem(const QString& item) override
    {
        if (!item.isEmpty())
            keepingTheText([&] { m_combo->addItem(item); });
    }
    void Clear() override
    {
        keepingTheText([&] { m_combo->clear(); });
    }

private:
    /// A plain combo box would show the first item added, or nothing after clearing.
    template <typename Change> void keepingTheText(Change change)
    {
        const QString typed = m_combo->currentText();
        change();
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(typed);
    }

    QComboBox* m_combo;
};

} // namespace twinsweep
