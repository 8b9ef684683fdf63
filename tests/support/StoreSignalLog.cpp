#include "StoreSignalLog.h"

namespace testsupport {

StoreSignalLog::StoreSignalLog(DataBuffer *store)
{
    const auto record = [this, store](void (DataBuffer::*signal)(), const char *name) {
        connect(store, signal, this, [this, name] { names.append(QString::fromLatin1(name)); });
    };
#define VANTOREL_LOG(signal) record(&DataBuffer::signal, #signal)
    VANTOREL_LOG(hasReferenceChanged);
    VANTOREL_LOG(hasDataChanged);
    VANTOREL_LOG(referenceDataUpdated);
    VANTOREL_LOG(specDataChanged);
    VANTOREL_LOG(deviceModelChanged);
    VANTOREL_LOG(wlChanged);
    VANTOREL_LOG(expoStatusChanged);
    VANTOREL_LOG(expoModeChanged);
    VANTOREL_LOG(expoTimeChanged);
    VANTOREL_LOG(hasFlickerChanged);
    VANTOREL_LOG(hasCie2015Changed);
    VANTOREL_LOG(tm30Changed);
    VANTOREL_LOG(hasTm30Changed);
    VANTOREL_LOG(formattedPhotoResultChanged);
    VANTOREL_LOG(flickerDataChanged);
    VANTOREL_LOG(gainValueChanged);
    VANTOREL_LOG(frequencyChanged);
    VANTOREL_LOG(depthChanged);
    VANTOREL_LOG(percentChanged);
    VANTOREL_LOG(indexChanged);
    VANTOREL_LOG(isYChanged);
    VANTOREL_LOG(cie2015Changed);
    VANTOREL_LOG(gainModeChanged);
    VANTOREL_LOG(hasEfficiencyChanged);
    VANTOREL_LOG(hasIlluminanceCalibrateChanged);
    VANTOREL_LOG(colorFidelityChanged);
    VANTOREL_LOG(chromaShiftChanged);
    VANTOREL_LOG(hueShiftChanged);
    VANTOREL_LOG(ramanChanged);
#undef VANTOREL_LOG
}

} // namespace testsupport
