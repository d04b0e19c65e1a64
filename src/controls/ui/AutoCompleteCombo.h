#pragma once

#include <QSet>
#include <QWidget>

#include "controls/AutoCompleteItems.h"

class QComboBox;

namespace twinsweep {

/// The program's own combo box: an editable `Combo1` that fills the control and
/// completes the typed text with the first of its items that begins with it, the
/// completed rest selected so that typing on overwrites it. Adding or clearing items
/// keeps the text in the edit field.
class AutoCompleteCombo : public QWidget
{
    Q_OBJECT
public:
    explicit AutoCompleteCombo(QWidget* parent = nullptr);

    QString Text() const;
    void setText(const QString& text);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    int ListCount() const;
    /// The list entry at `index`; "" for an index outside the list.
    QString list(int index) const;
    /// The index of the first item equal to the text regardless of case, or -1.
    int SelectedItem() const { return m_items.SelectedItem(Text()); }

    void AddItem(const QString& item);
    /// Adds each element as upper-case text.
    void AddItems(const QVariantList& items);
    void RemoveItem(int index);
    void Clear();

    QComboBox* Combo1 = nullptr;

Q_SIGNALS:
    /// The edit field's text changed, by typing, by code or by a completion.
    void Change();
    /// A key was released in the edit field, after its completion.
    void KeyUp(int keyCode, int shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Combo1_KeyUp(int keyCode, int shift);
    template <typename Edit> void keepingTheText(Edit edit);

    AutoCompleteItems m_items;
    QSet<int> m_keysPressed; // the keys pressed in the box and not yet released
};

} // namespace twinsweep
