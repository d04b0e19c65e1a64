#include "CollectionBench.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "Bench.h"
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

bool saveCollection(Catalogue& catalogue, HeadlessServices& headless, const QString& path)
{
    catalogue.setCurrentCollectionPath(path);
    NoRecentFiles recent;
    if (Save1_Click(catalogue, headless.services, recent))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(headless.status.last));
    return false;
}

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

bool searchCollection(const QStringList& arguments, Catalogue& catalogue, HeadlessServices& headless,
                      const CollectionGenerator& generate)
{
    if (!arguments.isEmpty() && !arguments.first().startsWith("--")) {
        restartClock();
        if (!loadCollection(catalogue, headless, arguments.first()))
            return false;
        // On stderr, so that a --dump on stdout holds the result rows alone.
        std::fprintf(stderr, "loaded %s: %d volumes, %zu files in %.3f s\n", qPrintable(arguments.first()),
                     catalogue.TreeView1.count(), catalogue.ListFiles.size(), elapsedSeconds());
        return true;
    }
    const qsizetype files = option(arguments, "--generate", "0").toLongLong();
    if (files < 1) {
        std::fprintf(stderr, "FILE.ztw or --generate N is required\n");
        return false;
    }
    generate(catalogue, files, std::max(1, option(arguments, "--volumes", "10").toInt()));
    return true;
}

} // namespace twinsweep::bench
