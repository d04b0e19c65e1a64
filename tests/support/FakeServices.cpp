#include "FakeServices.h"

#include <QUuid>

#include "TestEnvironment.h"

namespace twinsweep::test {

MessageAnswer FakePrompt::ask(const QString& text, MessageIcon icon, MessageButtons buttons, int defaultButton,
                              const QString& caption)
{
    shown.push_back({text, icon, buttons, defaultButton, caption});
    if (whileAsking)
        whileAsking(text);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    static const std::vector<std::vector<MessageAnswer>> byButtons{
        {MessageAnswer::Ok},
        {MessageAnswer::Ok, MessageAnswer::Cancel},
        {MessageAnswer::Abort, MessageAnswer::Retry, MessageAnswer::Ignore},
        {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel},
        {MessageAnswer::Yes, MessageAnswer::No},
        {MessageAnswer::Retry, MessageAnswer::Cancel},
    };
    const auto& choices = byButtons[size_t(buttons)];
    return choices[size_t(qBound(1, defaultButton, int(choices.size())) - 1)];
}

QStringList FakePrompt::texts() const
{
    QStringList result;
    for (const Shown& message : shown)
        result << message.text;
    return result;
}

void FakeStatus::setStatusText(const QString& text)
{
    current = text;
    history << text;
}

QString FakeDialogs::next(const QString& title, const QString& filter)
{
    titles << title;
    filters << filter;
    if (answers.empty())
        return {};
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakeDialogs::saveFile(const QString&, const QString& title, const QString& filter)
{
    return next(title, filter);
}

QString FakeDialogs::openFile(const QString&, const QString& title, const QString& filter)
{
    return next(title, filter);
}

QString FakeDialogs::chooseFolder(const QString& title)
{
    return next(title, {});
}

void FakeBusy::setBusy(bool busy)
{
    depth += busy ? 1 : -1;
    if (busy)
        ++timesBusy;
}

void FakePump::processEvents()
{
    ++turns;
    if (onProcessEvents)
        onProcessEvents();
}

FakeServices::FakeServices()
    : settings(scratchRoot() + "/settings-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".ini"),
      services{prompt, status, dialogs, busy, pump, settings}
{}

} // namespace twinsweep::test
