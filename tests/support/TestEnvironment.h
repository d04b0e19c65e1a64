#pragma once
#include <QString>

namespace twinsweep::test {

/// Points XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME and XDG_RUNTIME_DIR at a fresh
/// temporary folder so that tests never touch a real user's settings or trash.
void isolateUserFolders();

/// Scratch folder made for this test run (removed at process exit).
QString scratchRoot();

} // namespace twinsweep::test
