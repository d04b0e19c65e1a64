#pragma once

namespace twinsweep {

class Catalogue;
class QueryListState;
class StatusDisplay;

/// The result toolbar's "Clear list": empties the list shown in the lower pane (the
/// query list starts playing from its first row again) and says "List cleared".
void ClearList_Click(Catalogue& catalogue, QueryListState& query, StatusDisplay& status);

} // namespace twinsweep
