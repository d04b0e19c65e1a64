#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "WindowBench.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "platform/ui/QtServices.h"

namespace twinsweep::bench {
namespace {

/// The wall and CPU time of each step, in ms (CPU time too, since the machine is often shared).
class StepTimes
{
public:
    void start()
    {
        restartClock();
        m_cpuBefore = processCpuSeconds();
    }
    void stop(qsizetype rowsListed)
    {
        m_wall.push_back(elapsedSeconds() * 1000.0);
        m_cpu.push_back((processCpuSeconds() - m_cpuBefore) * 1000.0);
        m_rowsListed += rowsListed;
    }
    int count() const { return int(m_wall.size()); }
    qsizetype rowsListed() const { return m_rowsListed; }
    void print()
    {
        std::sort(m_wall.begin(), m_wall.end());
        std::sort(m_cpu.begin(), m_cpu.end());
        const auto median = [](const std::vector<double>& sorted) { return sorted[sorted.size() / 2]; };
        std::printf("one step: wall median %.2f ms (max %.2f), CPU median %.2f ms (max %.2f)\n", median(m_wall),
                    m_wall.back(), median(m_cpu), m_cpu.back());
    }

private:
    std::vector<double> m_wall, m_cpu;
    double m_cpuBefore = 0;
    qsizetype m_rowsListed = 0;
};

/// The first fill of the list after loading, started by the clock: for a sorted list
/// it ranks the names of the whole collection.
void printFirstFill()
{
    std::printf("first fill: %.2f ms\n", elapsedSeconds() * 1000.0);
}

/// The refill alone, as the tree's selection reaches volume after volume.
void stepCatalogue(Catalogue& catalogue, HeadlessServices& headless, int steps, StepTimes& times)
{
    for (int step = 2; step <= steps; ++step) {
        catalogue.TreeView1.select(step);
        times.start();
        catalogue.ClickNOD(headless.services);
        times.stop(catalogue.ListFiles2.size());
    }
}

/// The Down key pressed in the volume tree of the program's own main window, offscreen;
/// a step lasts until the window has painted the refilled list.
void stepWindow(Catalogue& catalogue, HeadlessServices& headless, bool sorted, int steps, StepTimes& times)
{
    QtEventPump pump;
    NoDesktop desktop;
    MainWindow window(catalogue, headless.prompt, headless.dialogs, pump, headless.settings, desktop);
    window.show();
    window.TreeView1->setFocus();
    window.TreeView1->setCurrentItem(window.TreeView1->topLevelItem(0));
    restartClock();
    window.volumeFileList->setSorted(sorted);
    window.ClickNOD();
    QCoreApplication::processEvents();
    printFirstFill();
    PaintCounter painted(window.ListFiles2->viewport());
    for (int step = 1; step < steps; ++step) {
        const int paintedBefore = painted.count;
        times.start();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(window.TreeView1, &down);
        while (painted.count == paintedBefore && elapsedSeconds() < 5)
            QCoreApplication::processEvents();
        times.stop(catalogue.ListFiles2.size());
    }
    std::printf("list painted %d times\n", painted.count);
}

/// Steps the tree's selection from one volume to the next, as a held arrow key does,
/// refilling the volume file list at every step; prints the time of one step against a
/// keyboard's repeat interval. `--window` steps the program's own window and counts
/// what it adds: the disabled window, the list's model reset and the painting.
int runTreeStep(const QStringList& arguments)
{
    Catalogue catalogue;
    HeadlessServices headless;
    const auto generate = [](Catalogue& target, qsizetype files, int volumes) {
        generateAlbums(target.TreeView1, target.ListFiles, files, volumes);
    };
    if (!searchCollection(arguments, catalogue, headless, generate))
        return 1;
    const int volumes = catalogue.TreeView1.count();
    const int steps = std::min(volumes, std::max(1, option(arguments, "--steps", "100").toInt()));
    const bool sorted = arguments.contains("--sorted");
    StepTimes times;
    if (arguments.contains("--window")) {
        stepWindow(catalogue, headless, sorted, steps, times);
    } else {
        catalogue.TreeView1.select(1);
        restartClock();
        catalogue.ListFiles2.setSorted(sorted);
        catalogue.ClickNOD(headless.services);
        printFirstFill();
        stepCatalogue(catalogue, headless, steps, times);
    }
    std::printf("tree-step: %d steps over %d volumes of %zu files%s%s, %lld rows listed; ", times.count(), volumes,
                catalogue.ListFiles.size(), sorted ? ", sorted" : "", arguments.contains("--window") ? ", window" : "",
                static_cast<long long>(times.rowsListed()));
    times.print();
    return 0;
}

const Registration registration{{"tree-step",
                                 "tree-step FILE.ztw|--generate N [--volumes V] [--steps S=100] [--sorted] [--window]",
                                 runTreeStep, true}};

} // namespace
} // namespace twinsweep::bench
