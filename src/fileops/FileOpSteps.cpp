#include "FileOpSteps.h"

#include "platform/FileLayer.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"

namespace twinsweep {

bool ClearFileAttributes(FileLayer& files, const QString& fullPath)
{
    return files.setAttributesNormal(fullPath);
}

bool DeleteOrRecycle(FileLayer& files, const SettingsStore& settings, const QString& fullPath)
{
    if (settings.value(Settings::Backup) == "0")
        return Module1::TruncateAndDeleteFile(files, fullPath);
    return SendToRecycle(files, fullPath);
}

bool DeleteCataloguedFile(FileLayer& files, const SettingsStore& settings, const QString& fullPath)
{
    return ClearFileAttributes(files, fullPath) && DeleteOrRecycle(files, settings, fullPath);
}

bool SendToRecycle(FileLayer& files, const QString& strFile)
{
    return files.moveToTrash(strFile);
}

bool Module1::TruncateAndDeleteFile(FileLayer& files, const QString& path)
{
    return files.removeFile(path);
}

} // namespace twinsweep
