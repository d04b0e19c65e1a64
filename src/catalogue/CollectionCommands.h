#pragma once

#include <QString>

namespace twinsweep {

class Catalogue;
struct Services;

/// Told of every collection file saved or opened: the recent-files list of the shell.
class RecentCollections
{
public:
    virtual ~RecentCollections() = default;
    /// Puts `path` at the top of the recent collections.
    virtual void UpdateRecentFiles(const QString& path) = 0;
};

/// The collection file commands of the main window. Questions and dialogs go through
/// `services`; a save either writes the whole file or leaves the old one untouched.

/// Whether `path` ends in "ztw" in any case; else ".ztw" is appended to it.
QString withZtwExtension(const QString& path);

/// "Save As": asks for a file and writes the collection there. Returns whether the
/// collection was saved (false when cancelled or when writing failed).
bool Save_Click(Catalogue& catalogue, Services& services, RecentCollections& recent);
/// "Save": writes to the current collection file, or runs "Save As" when there is none.
bool Save1_Click(Catalogue& catalogue, Services& services, RecentCollections& recent);
/// "Open": asks for a file and loads it.
void Load_Click(Catalogue& catalogue, Services& services, RecentCollections& recent);
/// Replaces the collection with the content of `Filname` (".ztw" is appended to it
/// when it lacks the extension). Returns whether the file was loaded.
bool Loadlist(Catalogue& catalogue, Services& services, RecentCollections& recent, QString& Filname);
/// Asks "Collention has changed. Do you want to save changes?" when the collection is
/// changed and saves on Yes. Returns false when the user cancelled or the save that was
/// asked for did not happen; the caller then keeps the collection as it is.
bool offerToSaveChanges(Catalogue& catalogue, Services& services, RecentCollections& recent);
/// "New": offers to save a changed collection, then empties it. Returns false when
/// the user cancelled or the save that was asked for did not happen: nothing is
/// emptied then, and a caller that was about to replace the collection stops.
bool Newlist_Click(Catalogue& catalogue, Services& services, RecentCollections& recent);

} // namespace twinsweep
