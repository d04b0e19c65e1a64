#include "ControlProperties.h"

namespace twinsweep {

namespace {
template <typename T> T readValue(const QVariantHash& bag, const char* key, const T& fallback)
{
    const QVariant stored = bag.value(key);
    return stored.canConvert<T>() ? stored.value<T>() : fallback;
}

template <typename T> void writeUnlessDefault(QVariantHash& bag, const char* key, const T& value, const T& fallback)
{
    if (value == fallback)
        bag.remove(key);
    else
        bag.insert(key, QVariant::fromValue(value));
}
} // namespace

WinXPbutProperties WinXPbutProperties::read(const QVariantHash& bag)
{
    const WinXPbutProperties defaults;
    return {readValue(bag, "Caption", defaults.Caption), readValue(bag, "Enabled", defaults.Enabled),
            readValue(bag, "Default", defaults.Default), readValue(bag, "WinXPbut", defaults.WinXPbut)};
}

void WinXPbutProperties::write(QVariantHash& bag) const
{
    const WinXPbutProperties defaults;
    bag.insert("Caption", Caption);
    writeUnlessDefault(bag, "Enabled", Enabled, defaults.Enabled);
    writeUnlessDefault(bag, "Default", Default, defaults.Default);
    writeUnlessDefault(bag, "WinXPbut", WinXPbut, defaults.WinXPbut);
}

XPCheckBoxProperties XPCheckBoxProperties::read(const QVariantHash& bag, const QString& containerFont)
{
    const XPCheckBoxProperties defaults;
    return {readValue(bag, "ForeColor", defaults.ForeColor),
            readValue(bag, "Enabled", defaults.Enabled),
            readValue(bag, "Font", containerFont),
            readValue(bag, "Value", defaults.Value),
            readValue(bag, "Caption", defaults.Caption),
            readValue(bag, "BackColor", defaults.BackColor),
            readValue(bag, "WinXPCheck", defaults.WinXPCheck)};
}

void XPCheckBoxProperties::write(QVariantHash& bag, const QString& containerFont) const
{
    const XPCheckBoxProperties defaults;
    writeUnlessDefault(bag, "ForeColor", ForeColor, defaults.ForeColor);
    writeUnlessDefault(bag, "Enabled", Enabled, defaults.Enabled);
    writeUnlessDefault(bag, "Font", Font, containerFont);
    writeUnlessDefault(bag, "Value", Value, defaults.Value);
    writeUnlessDefault(bag, "Caption", Caption, defaults.Caption);
    writeUnlessDefault(bag, "BackColor", BackColor, defaults.BackColor);
    writeUnlessDefault(bag, "WinXPCheck", WinXPCheck, defaults.WinXPCheck);
}

AutoCompleteComboProperties AutoCompleteComboProperties::read(const QVariantHash& bag,
                                                              const AutoCompleteComboProperties& current)
{
    const AutoCompleteComboProperties defaults;
    return {readValue(bag, "BackColor", current.BackColor),
            readValue(bag, "Enabled", defaults.Enabled),
            readValue(bag, "FontBold", defaults.FontBold),
            readValue(bag, "FontItalic", defaults.FontItalic),
            readValue(bag, "FontName", defaults.FontName),
            readValue(bag, "FontSize", defaults.FontSize),
            readValue(bag, "FontStrikethru", defaults.FontStrikethru),
            readValue(bag, "FontUnderline", defaults.FontUnderline),
            readValue(bag, "ForeColor", current.ForeColor),
            readValue(bag, "Text", defaults.Text)};
}

void AutoCompleteComboProperties::write(QVariantHash& bag) const
{
    const AutoCompleteComboProperties defaults;
    writeUnlessDefault(bag, "BackColor", BackColor, defaults.BackColor);
    writeUnlessDefault(bag, "Enabled", Enabled, defaults.Enabled);
    writeUnlessDefault(bag, "FontBold", FontBold, defaults.FontBold);
    writeUnlessDefault(bag, "FontItalic", FontItalic, defaults.FontItalic);
    writeUnlessDefault(bag, "FontName", FontName, defaults.FontName);
    writeUnlessDefault(bag, "FontSize", FontSize, defaults.FontSize);
    writeUnlessDefault(bag, "FontStrikethru", FontStrikethru, defaults.FontStrikethru);
    writeUnlessDefault(bag, "FontUnderline", FontUnderline, defaults.FontUnderline);
    writeUnlessDefault(bag, "ForeColor", ForeColor, defaults.ForeColor);
    writeUnlessDefault(bag, "Text", Text, defaults.Text);
}

} // namespace twinsweep
