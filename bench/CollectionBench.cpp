#include "CollectionBench.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"

namespace twinsweep::bench {

double residentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

bool loadCollection(Catalogue& catalogue, HeadlessServices& headless, const QString& path)
{
    NoRecentFiles recent;
    QString name = path;
    if (Loadlist(catalogue, headless.services, recent, name))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(headless.status.last));
    return false;
}

} // namespace twinsweep::bench
