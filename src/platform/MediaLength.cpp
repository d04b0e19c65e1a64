#include "MediaLength.h"

#include <QFile>

#include <taglib/fileref.h>

namespace twinsweep {

qint64 headerLengthMs(const QString& path)
{
    const TagLib::FileRef file(QFile::encodeName(path).constData(), true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.audioProperties())
        return 0;
    return file.audioProperties()->lengthInMilliseconds();
}

} // namespace twinsweep
