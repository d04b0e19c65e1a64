#pragma once

#include <QSet>
#include <QVariantHash>
#include <QWidget>

#include <optional>

#include "controls/AutoCompleteItems.h"
#include "controls/ControlProperties.h"

class QComboBox;

namespace twinsweep {

/// The program's own combo box: an editable `Combo1` that fills the control and
/// completes the typed text with the first of its items that begins with it, the
/// completed rest selected so that typing on overwrites it. Adding or clearing items
/// keeps the text in the edit field. The control is always 315 twips high.
///
/// The font properties act on the control's font, which `Combo1` shows. Key events
/// report the Windows key code and shift state; mouse events, raised for the control's
/// own surface only, the button code, the shift state and the position in twips.
class AutoCompleteCombo : public QWidget
{
    Q_OBJECT
public:
    explicit AutoCompleteCombo(QWidget* parent = nullptr);

    ColorValue BackColor() const { return m_backColor; }
    void setBackColor(ColorValue color);
    ColorValue ForeColor() const { return m_foreColor; }
    void setForeColor(ColorValue color);
    QString FontName() const { return font().family(); }
    void setFontName(const QString& name);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool bold);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool italic);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool underline);
    bool FontStrikethru() const { return font().strikeOut(); }
    void setFontStrikethru(bool strikethru);
    float FontSize() const { return float(font().pointSizeF()); }
    void setFontSize(float points);

    QString Text() const;
    void setText(const QString& text);
    /// The selection in the edit field; the setters keep it within the text.
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    /// Replaces the selected text, the caret after it.
    void setSelText(const QString& text);

    /// The number kept with the list entry at `index`; none for an index outside the list.
    std::optional<int> ItemData(int index) const;
    /// Gives false, and changes nothing, for an index outside the list.
    bool setItemData(int index, int value);
    int ListCount() const;
    /// The list entry at `index`; "" for an index outside the list.
    QString list(int index) const;
    /// The index of the first item equal to the text regardless of case, or -1.
    int SelectedItem() const { return m_items.SelectedItem(Text()); }
    /// The list entry the text was chosen from, or -1 once the text is another.
    int ListIndex() const;
    /// Shows the entry `index` in the edit field, or empties it for -1. Gives false, and
    /// changes nothing, for an index outside the list.
    bool setListIndex(int index);

    void AddItem(const QString& item);
    /// Adds each element as upper-case text.
    void AddItems(const QVariantList& items);
    void RemoveItem(int index);
    void Clear();

    /// The persisted "BackColor", "Enabled", "FontBold", "FontItalic", "FontName",
    /// "FontSize", "FontStrikethru", "FontUnderline", "ForeColor" and "Text", each
    /// applied through its setter in this order.
    void ReadProperties(const QVariantHash& bag);
    void WriteProperties(QVariantHash& bag) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QComboBox* Combo1 = nullptr;

Q_SIGNALS:
    /// The edit field's text changed, by typing, by code or by a completion.
    void Change();
    /// Declared for containers that handle it; the box raises no Click.
    void Click();
    void DblClick();
    void KeyDown(int KeyCode, int Shift);
    /// A key was released in the edit field, after its completion.
    void KeyUp(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void MouseDown(int Button, int Shift, double x, double y);
    void MouseMove(int Button, int Shift, double x, double y);
    void MouseUp(int Button, int Shift, double x, double y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Combo1_KeyDown(const QKeyEvent& key);
    void Combo1_KeyUp(int keyCode, int shift);
    void select(int start, int length);
    void applyColors();
    AutoCompleteComboProperties properties() const;
    template <typename FontEdit> void changeFont(FontEdit change);
    template <typename Edit> void keepingTheText(Edit edit);

    AutoCompleteItems m_items;
    QSet<int> m_keysPressed; // the keys pressed in the box and not yet released
    ColorValue m_backColor = SystemWindow;
    ColorValue m_foreColor = SystemWindowText;
};

} // namespace twinsweep
