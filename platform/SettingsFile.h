#pragma once

namespace plovex {

// Makes every QSettings of the program read and write ~/.config/plovex/plovex.conf (the
// folder XDG_CONFIG_HOME names, if set). Settings that an earlier version kept in
// "Local AppWizard-Generated Applications/Plovex 2.conf" beside it are carried over, once:
// when the program's own file holds nothing yet. The old file stays as it was.
void UseSettingsFile();

} // namespace plovex
