#pragma once
// Records the names of the store's change signals in the order they are emitted.

#include "store/DataBuffer.h"

#include <QObject>
#include <QStringList>

namespace testsupport {

class StoreSignalLog : public QObject
{
    Q_OBJECT
public:
    explicit StoreSignalLog(DataBuffer *store);
    QStringList names;
    void clear() { names.clear(); }
    int count(const QString &name) const { return int(names.count(name)); }

private slots:
    void record();
};

} // namespace testsupport
