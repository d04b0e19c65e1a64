#pragma once

namespace twinsweep {

/// One setting the program reads or writes: section, key and the value read when
/// the key is missing. Values are text; Booleans are "True" and "False".
struct Setting
{
    const char* section;
    const char* key;
    const char* fallback;
};

/// Every setting of the program, in one place.
namespace Settings {
// Options window
inline constexpr Setting Backup{"Options", "Backup", "1"};       // "1" recycle, "0" delete for good
inline constexpr Setting ID3{"Options", "ID3", "1"};             // "1" ID3v2 first, "0" ID3v1 first
inline constexpr Setting Filetype{"Options", "Filetype", "0"};   // 0 MP3 and WAV, 1 MP3, 2 WAV
inline constexpr Setting RecSubDir{"Options", "RecSubDir", "1"}; // scan subfolders
inline constexpr Setting Crossfade{"Options", "Crossfade", "5"}; // seconds, 0 = none
inline constexpr Setting Volume{"Options", "Volume", "70"};      // playback volume in per cent
inline constexpr Setting AOpen{"Options", "AOpen", "1"};         // open the most recent collection at start
inline constexpr Setting RestWind{"Options", "RestWind", "1"};   // restore the window's state and size
// The main window at its last closing; sizes in twips, kept only for a normal window.
inline constexpr Setting WindowState{"Options", "WindowState", "2"}; // 0 normal, 1 minimized, 2 maximized
inline constexpr Setting Width{"Options", "Width", ""};
inline constexpr Setting Height{"Options", "Height", ""};
// Column widths in twips, keyed by column caption ("File Size" for the size column).
inline constexpr const char* List1 = "List1"; // volume file list
inline constexpr const char* List2 = "List2"; // result list
inline constexpr const char* List3 = "List3"; // query list, never written
// Recent collections: the paths are kept in this section under the keys "1", "2", ...
inline constexpr const char* RecentFiles = "Recent Files";
inline constexpr Setting noRUF{"Config", "noRUF", "0"};         // number of recent entries
inline constexpr Setting MAX_FILES{"Config", "MAX_FILES", "3"}; // most entries kept, 1 to 20
// View options of the lists ("True" or "False")
inline constexpr Setting GridLines{"View", "Grid lines", "True"};     // ListFiles2 and Duplicates
inline constexpr Setting HotTracking{"View", "HotTracking", "False"}; // ListFiles2, Duplicates, TreeView1
inline constexpr Setting Sorted{"View", "Sorted", "False"};           // ListFiles2 and TreeView1
// View menu
inline constexpr Setting StatusBar1{"View", "StatusBar1", "True"}; // status bar shown
inline constexpr Setting Toolbar1{"View", "Toolbar1", "True"};     // main toolbar shown
inline constexpr Setting xpbut{"View", "xpbut", "True"};           // the XP look of buttons and check boxes
} // namespace Settings

} // namespace twinsweep
