#pragma once

#include <QString>
#include <QVariantHash>

#include "platform/ColorValue.h"

namespace twinsweep {

/// The persisted properties of the push button `WinXPbut`, kept in the placing
/// window's property bag. A missing key reads as its default.
struct WinXPbutProperties
{
    QString Caption;
    bool Enabled = true;
    bool Default = false;
    bool WinXPbut = true; // the XP look

    static WinXPbutProperties read(const QVariantHash& bag);
    /// "Caption" always; "Enabled" only when False, "Default" only when True,
    /// "WinXPbut" only when False.
    void write(QVariantHash& bag) const;
};

/// The persisted properties of the check box `XPCheckBox`. A value equal to its
/// default is not written; a missing key reads as its default.
struct XPCheckBoxProperties
{
    ColorValue ForeColor = SystemButtonText;
    bool Enabled = true;
    QString Font; // the font's description; its default is the container's font
    int Value = 0;
    QString Caption = QStringLiteral("XP CheckBox");
    ColorValue BackColor = SystemButtonFace;
    bool WinXPCheck = true; // the XP look

    static XPCheckBoxProperties read(const QVariantHash& bag, const QString& containerFont);
    void write(QVariantHash& bag, const QString& containerFont) const;
};

/// The persisted properties of the combo box `AutoCompleteCombo`, in the order they
/// are read and written. A value equal to its default is not written; a missing key
/// reads as its default, except the colours: a missing colour keeps the box's own.
struct AutoCompleteComboProperties
{
    ColorValue BackColor = SystemWindow;
    bool Enabled = true;
    bool FontBold = false;
    bool FontItalic = false;
    QString FontName = QStringLiteral("Tahoma");
    float FontSize = 8;
    bool FontStrikethru = false;
    bool FontUnderline = false;
    ColorValue ForeColor = SystemWindowText;
    QString Text;

    /// A missing colour reads as that of `current`.
    static AutoCompleteComboProperties read(const QVariantHash& bag, const AutoCompleteComboProperties& current);
    void write(QVariantHash& bag) const;
};

} // namespace twinsweep
