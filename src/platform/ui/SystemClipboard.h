#pragma once

#include "platform/Clipboard.h"

namespace twinsweep {

/// The application's clipboard (QClipboard).
class SystemClipboard : public Clipboard
{
public:
    void setText(const QString& text) override;
    bool setFiles(const FileDropList& files) override;
};

} // namespace twinsweep
