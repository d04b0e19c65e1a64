#include "OrdinaryUser.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <sys/stat.h>
#include <unistd.h>

#include "TestEnvironment.h"

namespace twinsweep::test {

namespace {
constexpr uid_t Nobody = 65534;
}

OrdinaryUser::OrdinaryUser() : m_folder(scratchRoot() + "/user-" + QUuid::createUuid().toString(QUuid::Id128))
{
    QDir().mkpath(m_folder);
    if (geteuid() != 0)
        return;
    const QByteArray root = QFile::encodeName(scratchRoot());
    const QByteArray folder = QFile::encodeName(m_folder);
    // The user must pass through the scratch root, which is private to its owner.
    m_available =
        chmod(root.constData(), 0711) == 0 && chown(folder.constData(), Nobody, Nobody) == 0 && setegid(Nobody) == 0;
    if (m_available && seteuid(Nobody) != 0) {
        [[maybe_unused]] const int group = setegid(0);
        m_available = false;
    }
    m_switched = m_available;
}

OrdinaryUser::~OrdinaryUser()
{
    if (!m_switched)
        return;
    // Back to root, which can clean up whatever the test locked.
    [[maybe_unused]] const int user = seteuid(0);
    [[maybe_unused]] const int group = setegid(0);
}

} // namespace twinsweep::test
