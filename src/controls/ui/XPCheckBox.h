#pragma once

#include <QCheckBox>
#include <QVariantHash>

#include "controls/ControlLooks.h"
#include "controls/ControlProperties.h"

namespace twinsweep {

/// The program's own check box, in two looks: the XP look, which paints its box,
/// check marks and caption itself with hover, pressed, focus and disabled states, and
/// the plain look of a standard check box. A new box takes the program's current look
/// (see `SetXPLook`).
///
/// `Value` is 0 unchecked or 1 checked; any other value shows and acts as unchecked.
/// Every change of `Value`, by the user or by code, raises one `Click`; setting it
/// unchecked then ends the hover look and raises `MouseMove` at (-1, -1). A left press
/// toggles the box at its release, wherever the pointer then is; Space toggles it
/// once; Enter moves the focus to the next control.
class XPCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit XPCheckBox(const QString& caption = QStringLiteral("XP CheckBox"), QWidget* parent = nullptr);

    int Value() const { return m_state.Value; }
    void setValue(int value);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    /// The caption's colour while enabled.
    ColorValue ForeColor() const { return m_foreColor; }
    void setForeColor(ColorValue color);
    ColorValue BackColor() const { return m_backColor; }
    void setBackColor(ColorValue color);
    /// True in the XP look.
    bool WinXPCheck() const { return m_xpLook; }
    void setWinXPCheck(bool on);
    void Refresh() { update(); }

    /// The persisted "ForeColor", "Enabled", "Font", "Value", "Caption", "BackColor"
    /// and "WinXPCheck", in this order; the font's default is the container's font.
    void ReadProperties(const QVariantHash& bag);
    void WriteProperties(QVariantHash& bag) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, double x, double y);
    void MouseMove(int Button, int Shift, double x, double y);
    void MouseUp(int Button, int Shift, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void nextCheckState() override;

private:
    void paintXPLook();
    void endHover();
    QString containerFont() const;

    CheckBoxState m_state;
    ColorValue m_foreColor = SystemButtonText;
    ColorValue m_backColor = SystemButtonFace;
    bool m_xpLook = true;
};

} // namespace twinsweep
