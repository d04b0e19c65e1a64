#pragma once

#include <QString>

#include <memory>

namespace twinsweep {

struct ChannelMailbox;

/// Plays the file at `path` for the channel of `mailbox`: opens a sound output and the file,
/// reports whether it loaded, then carries out the channel's commands in turn and reports
/// where it stands, until the channel closes. Runs on a thread of its own, as it may wait
/// long on the sound output; an output that leaves the file unanswered for ServerPatience
/// is left for a silent sink, where the file plays on from where it was.
void playChannel(std::shared_ptr<ChannelMailbox> mailbox, QString path);

} // namespace twinsweep
