#include "WaveLayout.h"

#include <QFile>
#include <QtEndian>

namespace twinsweep {

namespace {
constexpr qint64 RiffHeaderBytes = 12;
constexpr qint64 ChunkHeaderBytes = 8;
} // namespace

bool waveDataEndsInStub(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(RiffHeaderBytes);
    if (riff.size() < RiffHeaderBytes || !riff.startsWith("RIFF") || riff.sliced(8, 4) != "WAVE")
        return false;
    const qint64 fileBytes = file.size();
    for (qint64 position = RiffHeaderBytes; position + ChunkHeaderBytes <= fileBytes;) {
        if (!file.seek(position))
            return false;
        const QByteArray header = file.read(ChunkHeaderBytes);
        if (header.size() < ChunkHeaderBytes)
            return false;
        const qint64 end = position + ChunkHeaderBytes + qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("data")) {
            const qint64 stub = fileBytes - end;
            return stub > 0 && stub < ChunkHeaderBytes;
        }
        position = end + (end & 1);
    }
    return false;
}

} // namespace twinsweep
