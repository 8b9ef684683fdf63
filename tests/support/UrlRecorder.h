#pragma once
// Records the URLs the desktop is asked to open, in place of the desktop's file browser
// (install with QDesktopServices::setUrlHandler(scheme, &recorder, "record")).

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
