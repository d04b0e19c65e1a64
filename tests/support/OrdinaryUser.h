#pragma once

#include <QString>

namespace twinsweep::test {

/// Lets a test see permissions as an ordinary user does. Run as root, the guard hands a
/// fresh folder to the user "nobody" and acts as that user until it is destroyed, since
/// root may read and write anything; otherwise it only makes the folder.
class OrdinaryUser
{
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    /// False when root could not become another user; the test should then skip.
    bool available() const { return m_available; }
    /// A folder of the scratch area that the ordinary user owns.
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    bool m_switched = false;
    bool m_available = true;
};

} // namespace twinsweep::test
