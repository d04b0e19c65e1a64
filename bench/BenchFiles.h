#pragma once

#include <QElapsedTimer>

#include "platform/FileLayer.h"
#include "platform/Services.h"
#include "platform/VolumeLayer.h"

namespace twinsweep::bench {

// Stand-ins that let the file operations run headless on a made-up collection.

/// Every file lies on one volume with serial number 1.
class OneVolume : public VolumeInfo
{
public:
    QString mountPointOf(const QString&) const override { return "/"; }
    qint32 serialNumber(const QString&) const override { return 1; }
    QString label(const QString&) const override { return {}; }
    QStringList mountedVolumes() const override { return {"/"}; }
};

/// Times the calls into the file system; without a real layer every call succeeds at once.
class TimedFiles : public FileLayer
{
public:
    explicit TimedFiles(FileLayer* real) : m_real(real) {}
    bool setAttributesNormal(const QString& path) override
    {
        return timed([&] { return m_real->setAttributesNormal(path); });
    }
    bool moveToTrash(const QString& path) override
    {
        return timed([&] { return m_real->moveToTrash(path); });
    }
    bool removeFile(const QString& path) override
    {
        return timed([&] { return m_real->removeFile(path); });
    }
    bool copyFile(const QString& from, const QString& to) override
    {
        return timed([&] { return m_real->copyFile(from, to); });
    }
    bool moveFile(const QString& from, const QString& to) override
    {
        return timed([&] { return m_real->moveFile(from, to); });
    }
    double seconds = 0;

private:
    template <typename Call> bool timed(Call call)
    {
        if (!m_real)
            return true;
        QElapsedTimer clock;
        clock.start();
        const bool result = call();
        seconds += double(clock.nsecsElapsed()) / 1e9;
        return result;
    }
    FileLayer* m_real;
};

class YesPrompt : public Prompt
{
public:
    MessageAnswer ask(const QString&, MessageIcon, MessageButtons, int, const QString&) override
    {
        return MessageAnswer::Yes;
    }
};

} // namespace twinsweep::bench
