#include "HeadlessServices.h"

#include <QCoreApplication>
#include <QDir>

namespace twinsweep::bench {

MessageAnswer HeadlessServices::SilentPrompt::ask(const QString&, MessageIcon, MessageButtons buttons,
                                                  int defaultButton, const QString&)
{
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel)
        return defaultButton == 1 ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

void HeadlessServices::CorePump::processEvents()
{
    QCoreApplication::processEvents();
}

HeadlessServices::HeadlessServices()
    : settings(QDir::tempPath() + "/twinsweep-bench-settings.ini"), services{prompt, status, dialogs,
                                                                             busy,   pump,   settings}
{}

} // namespace twinsweep::bench
