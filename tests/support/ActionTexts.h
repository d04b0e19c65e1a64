#pragma once

#include <QAction>
#include <QStringList>

namespace twinsweep::test {

/// The texts of menu entries or toolbar buttons in their order; a separator's is "".
/// For widget tests only.
inline QStringList actionTexts(const QList<QAction*>& actions)
{
    QStringList result;
    for (const QAction* action : actions)
        result << action->text();
    return result;
}

} // namespace twinsweep::test
