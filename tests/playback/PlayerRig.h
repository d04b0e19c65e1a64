#pragma once

#include <QStringList>

#include "FakeMultimedia.h"
#include "FakePlayerView.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "platform/SettingKeys.h"
#include "playback/Player.h"
#include "playback/modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep::test {

/// The player on fake channels with a manual clock, a query list and a fake view.
struct PlayerRig
{
    PlayerRig() { view.tag = ""; }

    /// A new existing file of `lengthMs` in a folder of its own.
    QString file(const QString& name, qint64 lengthMs = FakeMultimedia::DefaultLengthMs)
    {
        const QString path = folder + "/" + name;
        writeFile(path);
        media.lengths.insert(path, lengthMs);
        return path;
    }
    /// A checked query row for `name` in the rig's folder; the file exists when `exists`.
    void addRow(const QString& name, bool exists = true, bool checked = true)
    {
        if (exists)
            file(name);
        query.append({name, folder + "/", "03:00", "Rock", checked});
    }
    /// The commands that change a channel, trailing padding removed; queries left out.
    QStringList actions() const
    {
        QStringList result;
        for (const QString& command : media.sent) {
            if (!command.startsWith("status") && !command.startsWith("set "))
                result << command.trimmed();
        }
        return result;
    }
    void setCrossfade(int seconds) { fake.settings.setValue(Settings::Crossfade, QString::number(seconds)); }
    QString mode(const QString& alias) { return channels.GetMediaMode(alias); }
    int level(const QString& alias) { return media.channel(alias) ? media.channel(alias)->left : -1; }

    FakeServices fake;
    FakeMultimedia media;
    modMultimedia channels{media};
    QueryList query;
    FakePlayerView view;
    FakeWaitClock clock{media};
    int volume = 70;
    Player player{channels, query, view, fake.services, clock, volume};
    QString folder = freshFolder("player");
};

} // namespace twinsweep::test
