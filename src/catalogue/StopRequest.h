#pragma once

namespace twinsweep {

/// The shared stop request of the long operations ("Stop" or nothing), as the scans of
/// the catalogue see it. The Search window owns the request; a scan empties it when it
/// starts and tests it before each file-type pass.
class StopRequest
{
public:
    virtual ~StopRequest() = default;
    virtual void clear() = 0;
    virtual bool requested() const = 0;
};

} // namespace twinsweep
