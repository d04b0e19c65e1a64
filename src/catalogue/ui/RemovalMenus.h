#pragma once

class QMenu;

namespace twinsweep {

class Catalogue;
struct Services;

/// Adds "Re&move volume" to the Edit menu and "Remove" to the volume tree's pop-up menu;
/// both remove the selected volume.
void installVolumeRemoval(Catalogue& catalogue, Services& services, QMenu* editMenu, QMenu* popMNU);

} // namespace twinsweep
