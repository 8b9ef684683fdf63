#include "TemporaryHome.h"

#include <QDir>
#include <QTemporaryDir>

namespace testsupport {

QString useTemporaryHome()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/vantorel-home-XXXXXX"));
    const QString path = home.path();
    qputenv("HOME", path.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (path + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (path + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (path + QStringLiteral("/.cache")).toLocal8Bit());
    return path;
}

} // namespace testsupport
