#pragma once
// A measurement store of its own and a save service that writes from it into an emptied
// save folder under a temporary home: the bench of the export tests.

#include "StoreFixtures.h"

#include <QStringList>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>

class DataBuffer;
class SaveService;

namespace testsupport {

class ExportBench
{
public:
    ExportBench();
    ~ExportBench();

    // Once per process, before any path is asked for: temporary home, test paths,
    // catalogues and setting defaults.
    static void prepareProcess();

    // A fresh store and service, unit 0, range off, and no save folder (nor a file in
    // its place).
    void reset();
    // Drops store and service and empties the save folder again.
    void release();

    // Model, wavelength range and exposure as the device would have reported them.
    void setDevice(const QString &model, uint16_t wlStart, uint16_t wlEnd, uint32_t expoUs = 12500);
    // A plain spectrum frame's payload into the store (as sample or reference, as the flags say).
    void feedSpectrum(int16_t scaleCode, const QVector<uint16_t> &samples);
    // Photometric words first, first + 1, ... for every word of a 48-word model.
    void feedWords(float first);
    // Puts a file where the save folder belongs.
    void blockSaveFolder();

    // Runs `action`, which must end in exactly one saveFinished, and returns the lines of
    // the file it reports; "<failed> message" or "<no signal>" otherwise.
    QStringList linesWrittenBy(const std::function<void()> &action);
    QStringList saveAndRead(int saveType);

    MeasurementFlags flags;
    std::unique_ptr<DataBuffer> buffer;
    std::unique_ptr<SaveService> save;

private:
    static void removeSaveFolder();
};

} // namespace testsupport
