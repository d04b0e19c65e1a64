#pragma once

namespace twinsweep {

class Form1;
class RUF;

/// Adds the collection file commands to the main window: "&New", "&Open", "&Save"
/// and "Save &As" at the top of the File menu, the "Open" and "New collection"
/// buttons after the toolbar's "Save" (which it connects), and the recent
/// collections after "E&xit", filled from the settings. Returns the recent-files
/// list, owned by the window.
RUF* buildCollectionMenu(Form1& form);

} // namespace twinsweep
