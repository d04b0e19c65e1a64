#pragma once

#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/cDirEx.h"
#include "platform/Mp3TagReader.h"
#include "queue/QueryList.h"

namespace twinsweep::bench {

/// The scanning window is of no interest to a benchmark.
class NoScanningWindow : public ScanningWindow
{
public:
    void show() override {}
    void unload() override {}
    void setDirectory(const QString&) override {}
    void setFile(const QString&) override {}
};

/// The folder scanner wired as the program wires it, without windows.
struct HeadlessScanner
{
    HeadlessScanner(Catalogue& catalogue, HeadlessServices& headless)
        : DirEx(headless.pump),
          reader(catalogue, query, tagReader, headless.services),
          scanner(headless.services, DirEx, reader, frmfndupd)
    {}

    cDirEx DirEx;
    Mp3TagReader tagReader;
    QueryList query;
    MediaFileReader reader;
    NoScanningWindow frmfndupd;
    MainScanner scanner;
};

} // namespace twinsweep::bench
