#pragma once
// Stands in for the desktop's URL handler: records what the application asks it to open.
// Register with QDesktopServices::setUrlHandler(scheme, &recorder, "record").

#include <QList>
#include <QObject>
#include <QUrl>

namespace testsupport {

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void record(const QUrl &url) { opened << url; }
};

} // namespace testsupport
