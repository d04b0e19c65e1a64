#pragma once

#include <QString>

namespace twinsweep {

/// The multimedia command-string interface: a command such as "status f1 mode" goes
/// in, a code (0 on success) and a reply text come out.
class MultimediaCommands
{
public:
    virtual ~MultimediaCommands() = default;
    /// Runs `command`; a reply, cut to `replyLength` - 1 characters, goes to `reply`
    /// when it is given and `replyLength` is above 0. Returns 0 or an error code.
    virtual int mciSendString(const QString& command, QString* reply, int replyLength) = 0;
    /// The text of a non-zero code, cut to `length` - 1 characters.
    virtual QString mciGetErrorString(int code, int length) const = 0;
};

} // namespace twinsweep
