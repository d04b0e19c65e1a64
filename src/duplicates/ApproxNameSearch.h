#pragma once

#include <functional>

namespace twinsweep {

class Catalogue;
class GroupColorSource;
class SkipList;
struct Services;

/// The scope buttons of the "Duplicates (Advanced)" tab.
enum class ApproxScope {
    None,                     // no button selected: the search only finishes
    AllVolumes,               // `Option9` "All volumes": `ListFiles` against itself
    SelectedVolume,           // `Option8` "Selected volume": `ListFiles2` against itself
    SelectedVolumeAgainstAll, // `Option7` "Selected volume (Source all volumes)"
};

struct ApproxSearchOptions
{
    ApproxScope scope = ApproxScope::AllVolumes;
    int threshold = 80; // per cent, `Slider1`: 20 to 100
    /// The stop request, tested once per source row; empty = never stop.
    std::function<bool()> stopRequested;
    /// Worker threads for the comparisons; 0 = one per processor.
    int workerThreads = 0;
    /// The main window's `List1`, or none. Emptied when a scope's search starts, it
    /// then gets each group's source position and its members' positions (from 1, in
    /// the lists they come from); against all volumes only the source positions.
    SkipList* List1 = nullptr;
};

/// The approximate file-name duplicate search. Empties `Duplicates`, scores the names of
/// the scope's pairs with `CompareTXT` and appends each group found: the source row
/// checked in a new group colour, then its members unchecked in the same colour. A
/// source row already placed in a group opens none of its own. Progress and the closing
/// text " duplicate(s) found." go to the status services; the event loop gets turns by
/// time. A stop request ends the search at the next source row, keeping what was found;
/// one made while the names are still being prepared ends it with nothing found.
///
/// The names are prepared and compared on worker threads; groups are committed here, in
/// source order, with the same results as comparing every pair in order on this thread.
///
/// On return the caller shows the result list and gives the Search window back
/// (controls enabled, default pointer, stop request emptied).
void FNDDPLBYNAME(Catalogue& catalogue, Services& services, GroupColorSource& colors,
                  const ApproxSearchOptions& options);

} // namespace twinsweep
