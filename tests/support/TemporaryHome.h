#pragma once
// Gives the test process a home folder of its own, so that the documents folder (where
// exports go), the settings and anything else under home never touch the user's files
// or those of a test running alongside.

#include <QString>

namespace testsupport {

// Points HOME (and the XDG folders under it) at a fresh temporary folder for the rest of
// the process; call before the first path is asked for. Returns the folder.
QString useTemporaryHome();

} // namespace testsupport
