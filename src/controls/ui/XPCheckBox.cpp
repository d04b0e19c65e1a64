#include "XPCheckBox.h"

namespace twinsweep {

XPCheckBox::XPCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::toggled, this, &XPCheckBox::Click);
}

} // namespace twinsweep
