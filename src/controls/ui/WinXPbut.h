#pragma once

#include <QPushButton>
#include <QVariantHash>

#include "controls/ControlLooks.h"

namespace twinsweep {

/// The program's own push button, in two looks: the XP look, whose faces (normal,
/// hover, pressed, disabled) it paints itself, and the plain look of an ordinary push
/// button. A new button takes the program's current look (see `SetXPLook`).
///
/// A press shows the pressed face until its release, also while the pointer is
/// outside; the release over the button raises `Click`. Space clicks the focused
/// button and Enter the dialog's `Default` one, in either look. Mouse events report
/// the button code (1 left, 2 right, 4 middle), the shift state and the position in
/// twips; key events the Windows key code and shift state.
class WinXPbut : public QPushButton
{
    Q_OBJECT
public:
    explicit WinXPbut(const QString& caption = {}, QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Default() const { return isDefault(); }
    void setDefault(bool isDefaultButton) { QPushButton::setDefault(isDefaultButton); }
    /// True in the XP look.
    bool isWinXPbut() const { return m_xpLook; }
    void setWinXPbut(bool on);
    /// The face the XP look shows now.
    ButtonFace face() const;

    /// The persisted "Caption", "Enabled", "Default" and "WinXPbut", each applied
    /// through its setter.
    void ReadProperties(const QVariantHash& bag);
    void WriteProperties(QVariantHash& bag) const;

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseDown(int Button, int Shift, double x, double y);
    void MouseMove(int Button, int Shift, double x, double y);
    void MouseUp(int Button, int Shift, double x, double y);
    void KeyDown(int KeyCode, int Shift);
    void KeyUp(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void paintXPLook();
    void setHover(bool hover);

    bool m_xpLook = true;
    bool m_pressed = false; // a left press not yet released
    bool m_hover = false;
};

} // namespace twinsweep
