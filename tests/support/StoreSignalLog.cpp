#include "StoreSignalLog.h"

#include <QMetaMethod>

namespace testsupport {

StoreSignalLog::StoreSignalLog(DataBuffer *store)
{
    // Every signal the store declares, so a new one cannot be missed.
    const QMetaObject &meta = DataBuffer::staticMetaObject;
    const QMetaMethod slot = staticMetaObject.method(staticMetaObject.indexOfSlot("record()"));
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            connect(store, meta.method(i), this, slot);
    }
}

void StoreSignalLog::record()
{
    names.append(QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()));
}

} // namespace testsupport
