#include "XPLook.h"

#include <QApplication>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"

namespace twinsweep {

namespace {
bool xpLook = true;
} // namespace

bool XPLookOn()
{
    return xpLook;
}

void SetXPLook(bool on)
{
    xpLook = on;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* button = qobject_cast<WinXPbut*>(widget))
            button->setWinXPbut(on);
        else if (auto* box = qobject_cast<XPCheckBox*>(widget))
            box->setWinXPCheck(on);
    }
}

} // namespace twinsweep
