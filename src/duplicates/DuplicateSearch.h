#pragma once

#include <functional>

namespace twinsweep {

class Catalogue;
class GroupColorSource;
class SkipList;
struct Services;

/// The main window's hidden criteria boxes `Check15` "Filename", `Check16` "Property"
/// and `Check17` "Tag" (0 unchecked, 1 checked); the Search window's boxes of the same
/// names copy their state into them.
struct DuplicateCriteria
{
    int Check15 = 0;
    int Check16 = 0;
    int Check17 = 0;
    /// The number of sub-tests a duplicate must pass: 1 for Filename, 3 for Property,
    /// 2 for Tag, summed over the checked criteria; 0 when nothing is checked.
    int CompareMode() const;
};

/// The scope options of the Search window's "Duplicates" tab.
enum class DuplicateScope {
    None,
    SelectedVolumeSourceAllVolumes, // `Option4`: each file of the selected volume against the other volumes
    SelectedVolume,                 // `Option5`
    AllVolumes,                     // `Option6`
};
/// The first of `Option4`, `Option5`, `Option6` that is set.
DuplicateScope duplicateScope(bool option4, bool option5, bool option6);

/// What a duplicate search needs of the Search window that starts it.
class SearchWindowLink
{
public:
    virtual ~SearchWindowLink() = default;
    /// The `StopFlag` asks the search to stop.
    virtual bool stopRequested() const = 0;
    virtual void clearStop() = 0;
    virtual void cancelas() = 0;
    /// Enables the window's tab strip, its four tab frames and Find again.
    virtual void enableControls() = 0;
};

/// Everything besides the criteria and the scope that `findDUPLICATES` reads and writes.
struct DuplicateSearchContext
{
    Catalogue& catalogue;
    Services& services; // its `busy` is the screen's mouse pointer
    GroupColorSource& colors;
    SearchWindowLink& window;
    SkipList& List1;
    /// Shows `Duplicates` in the lower pane with "Search results" checked.
    std::function<void()> showResults;
    int yieldIntervalMs = 30;
};

/// Fills `Duplicates` with groups of files that are equal by every checked criterion:
/// a group's head is the examined file (checked, a new group colour), its members follow
/// in list order (unchecked, the same colour). The walk ends early at the first examined
/// row after a stop request; the groups found so far stay.
void findDUPLICATES(const DuplicateSearchContext& context, const DuplicateCriteria& criteria, DuplicateScope scope);

} // namespace twinsweep
