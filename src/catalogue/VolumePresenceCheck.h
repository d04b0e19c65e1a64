#pragma once

#include <QString>

namespace twinsweep {

class VolumeInfo;
class VolumeTree;

/// The refusal shown when a file's volume is not present.
inline constexpr char CantFindSource[] = "Can't find source! Please check is device connected or cd is inserted.";

/// Whether the volume a catalogued file belongs to is the one mounted where the file
/// lies, so that a file operation never acts on another medium mounted at the same
/// place. Present when the serial number of the mount point holding `fullPath`
/// equals the Tag of volume `nodeNR` read as a number, or when that Tag is exactly
/// "Nera" (a volume without a serial number). A Tag that is not a number and a volume
/// number that names no volume are not present. A volume added while its serial could
/// not be read (Tag "0") is present where the mount still reads 0 and the file is
/// there, since 0 tells no medium from another; otherwise the file itself need not
/// exist. The volume is asked anew on every call.
bool VolumePresenceCheck(const VolumeTree& tree, const VolumeInfo& volumes, const QString& fullPath, int nodeNR);

} // namespace twinsweep
