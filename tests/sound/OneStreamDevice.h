#pragma once

namespace twinsweep::test {

/// While it lives, the ALSA device "default" takes one stream at a time, as a card's raw
/// device without a mixer does: an open while another is open fails as busy. The test
/// binary puts itself in front of ALSA's own open and close for this.
class OneStreamDevice
{
public:
    OneStreamDevice();
    ~OneStreamDevice();
    OneStreamDevice(const OneStreamDevice&) = delete;
    OneStreamDevice& operator=(const OneStreamDevice&) = delete;

    /// How many opens were refused as busy so far.
    static int refusedOpens();
};

} // namespace twinsweep::test
