#pragma once

#include "controls/ui/AutoCompleteCombo.h"
#include "search/SearchHistory.h"

namespace twinsweep {

/// The items of the search term box `nam` as the history reads and extends them.
class ComboTermList : public TermList
{
public:
    explicit ComboTermList(AutoCompleteCombo* combo) : m_combo(combo) {}
    int ListCount() const override { return m_combo->ListCount(); }
    QString list(int index) const override { return m_combo->list(index); }
    void AddItem(const QString& item) override { m_combo->AddItem(item); }
    void Clear() override { m_combo->Clear(); }

private:
    AutoCompleteCombo* m_combo;
};

} // namespace twinsweep
