#pragma once

#include "platform/Services.h"

namespace twinsweep {

/// The screen's mouse pointer as the searches set it: the hourglass or the default,
/// without disabling any window, so that the Search window's Cancel stays live.
/// Setting the default twice is harmless.
class ScreenPointer : public BusyIndicator
{
public:
    ScreenPointer() = default;
    ~ScreenPointer() override { setBusy(false); }
    ScreenPointer(const ScreenPointer&) = delete;
    ScreenPointer& operator=(const ScreenPointer&) = delete;

    void setBusy(bool busy) override;
    bool hourglass() const { return m_hourglass; }

private:
    bool m_hourglass = false;
};

} // namespace twinsweep
