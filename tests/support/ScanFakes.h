#pragma once

#include <QStringList>

#include "catalogue/MainScanner.h"
#include "catalogue/StopRequest.h"

namespace twinsweep::test {

/// The scanning window: what it was shown and whether it is loaded.
class FakeScanningWindow : public ScanningWindow
{
public:
    void show() override
    {
        loaded = true;
        ++shows;
    }
    void unload() override { loaded = false; }
    void setDirectory(const QString& caption) override
    {
        if (loaded)
            directories << caption;
    }
    void setFile(const QString& caption) override
    {
        if (loaded)
            files << caption;
    }
    bool loaded = false;
    int shows = 0;
    QStringList directories;
    QStringList files;
};

class TestStopFlag : public StopRequest
{
public:
    void clear() override { stop = false; }
    bool requested() const override { return stop; }
    bool stop = true; // left over from an earlier Cancel
};

} // namespace twinsweep::test
