#include "VolumePresenceCheck.h"

#include "VolumeTree.h"
#include "cDirEx.h"
#include "platform/VolumeLayer.h"

namespace twinsweep {

bool VolumePresenceCheck(const VolumeTree& tree, const VolumeInfo& volumes, const QString& fullPath, int nodeNR)
{
    const qint32 serial = volumes.serialNumber(volumes.mountPointOf(fullPath));
    if (nodeNR < 1 || nodeNR > tree.count())
        return false;
    const QString& tag = tree.node(nodeNR).Tag;
    if (tag == "Nera")
        return true;
    bool isNumber = false;
    const qint64 tagSerial = tag.toLongLong(&isNumber);
    if (!isNumber || tagSerial != serial)
        return false;
    return serial != 0 || cDirEx::ExistFile(fullPath);
}

} // namespace twinsweep
