#pragma once
// The running test program started again as a child under another system locale, to see
// what the application does at start-up there.

#include <QString>

namespace testsupport {

struct ChildRun {
    bool finished = false;
    int exitCode = -1;
    QString output; // standard output
    QString errors; // standard error
};

// Runs this program with the environment variable `childFlag` set and LANG and LC_ALL set
// to `locale`; the program's main() sees the flag and runs its child part.
ChildRun runSelfUnderLocale(const char *childFlag, const QString &locale, int timeoutMs = 60000);

} // namespace testsupport
