#pragma once

#include "shell/MainWindowResize.h"

class QWidget;

namespace twinsweep {

class Form1;

/// The main window's controls found by their object names, for `Form_Resize`; the
/// proportional step is the layout records' `ResizeControl` hook (see MainWindowPanes).
class MainWindowLayout : public ResizeTarget
{
public:
    explicit MainWindowLayout(Form1& form) : m_form(form) {}

    void ResizeControl(const char* control) override;
    void setWidth(const char* control, int twips) override;
    void setHeight(const char* control, int twips) override;
    void setLeft(const char* control, int twips) override;
    int left(const char* control) const override;
    int width(const char* control) const override;

private:
    QWidget* find(const char* control) const;
    int toPixels(int twips) const;
    int toTwips(int pixels) const;

    Form1& m_form;
};

} // namespace twinsweep
