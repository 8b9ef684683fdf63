#pragma once
// What the simulated spectrometer holds and sends. Tests change it through
// SimulatedDevice::setState / updateState.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

namespace simdevice {

// The first letter of the model name selects what a spectrum frame carries.
enum class ModelFamily {
    Plain, // photometric words, then scale code and samples
    Y,     // no words; masked scale code, two header fields and masked raw counts
    T,     // no words; scale code and photon counts
};
ModelFamily familyOf(const QString &model);

struct SpectrumContent {
    uint8_t exposureStatus = 0;   // 0 normal, 1 over, 2 under
    int16_t scaleCode = 2;        // unmasked; 2 means "divide by 100"
    // One value per wavelength point; resized to the range (zero-padded) when sent.
    // Empty: a smooth default curve.
    QVector<uint16_t> samples;
    // Plain models only: word i is the value of plain parameter i. Empty: one word per
    // plain parameter of the model in the loaded catalogue (47 when none is loaded).
    QVector<float> photometricWords;
    // "Y" models: the header fields the masks are derived from. h64 all ones: unmasked.
    uint32_t h32 = 0x13579BDFu;
    uint64_t h64 = 0x0123456789ABCDEFull;
};

struct FlickerRecord {
    uint8_t gain = 1;
    float frequency = 100.0f;
    float index = 0.125f;
    float depth = 37.5f;
    QVector<uint16_t> samples; // 1024 waveform samples; empty: a default wave
};

struct DeviceState {
    int baud = 115200; // the only rate the device understands
    QString model = QStringLiteral("PQV-21");
    QByteArray serialSuffix = QByteArrayLiteral("SN000001"); // 8 bytes after the name
    uint16_t wlStart = 340;
    uint16_t wlEnd = 1020;
    bool autoExposure = true;
    // A whole number of milliseconds keeps the "Y" masks independent of how the host
    // turns microseconds into float milliseconds.
    uint32_t expoTimeUs = 100000;
    uint8_t cie2015 = 0; // as sent by the set command: 0, 2 or 3
    uint8_t gainValue = 0;
    bool autoGain = false;
    SpectrumContent spectrum;
    FlickerRecord flicker;
    uint16_t efficiencyStart = 300;
    QVector<float> efficiency; // empty: 901 default values
    int streamIntervalMs = 100; // spacing of spectra while auto measurement runs
};

// Default content filled in where a field was left empty.
QVector<uint16_t> defaultSamples(uint16_t wlStart, int count);
QVector<float> defaultPhotometricWords(const QString &model);
QVector<uint16_t> defaultFlickerSamples();
QVector<float> defaultEfficiency();

} // namespace simdevice
