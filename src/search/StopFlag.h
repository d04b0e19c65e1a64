#pragma once

#include "catalogue/StopRequest.h"

namespace twinsweep {

/// The stop request of the long operations (scans, searches): "Stop" or nothing.
/// Cancel commands request it; an operation clears it when it starts and tests it
/// next to each yield to the event loop, ending early while it is set.
class StopFlag final : public StopRequest
{
public:
    void request() { m_requested = true; }
    void clear() override { m_requested = false; }
    bool requested() const override { return m_requested; }

private:
    bool m_requested = false;
};

} // namespace twinsweep
