#include "WinXPbut.h"

namespace twinsweep {

WinXPbut::WinXPbut(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    connect(this, &QPushButton::clicked, this, &WinXPbut::Click);
}

} // namespace twinsweep
