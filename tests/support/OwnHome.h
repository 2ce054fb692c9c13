#pragma once
// Every test process lives in a home of its own: HOME and the XDG folders
// point into a fresh temporary directory, removed when the process ends, so
// no test reads or writes the user's files and tests running side by side
// never share a configuration (Qt's file-dialog history, for one). Programs
// the tests start inherit it.

namespace vorpa::test {

// Creates the home and sets HOME, XDG_CONFIG_HOME, XDG_DATA_HOME,
// XDG_STATE_HOME and XDG_RUNTIME_DIR; called first thing in main.
void UseOwnHome();

}  // namespace vorpa::test
