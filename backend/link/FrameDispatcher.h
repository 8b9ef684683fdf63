#pragma once
// Applies one checked device-to-host frame to the store, by its code byte.
// Payloads too short for what their code carries, spectra of another point count than the
// store's range, and payloads too large for the store are dropped whole: nothing of such a
// frame is applied.

#include <QByteArray>
#include <QObject>

class DataBuffer;

class FrameDispatcher : public QObject
{
    Q_OBJECT
public:
    explicit FrameDispatcher(DataBuffer *store, QObject *parent = nullptr);

    // `frame` is a whole frame as the assembler yields it (header to terminator).
    void dispatch(const QByteArray &frame);

    // Bytes of the fixed fields that precede a flicker waveform.
    static constexpr int kFlickerHeaderBytes = 13;
    // Bytes of exposure status and time that precede a spectrum frame's payload.
    static constexpr int kExposureBytes = 5;
    // Bytes the device appends to its model name.
    static constexpr int kModelNameTrailer = 8;

    // The whole spectrum frame the device sends for the store's model and wavelength range:
    // header and trailer, exposure status and time, the model's photometric words, spectrum.
    static int spectrumFrameBytes(const DataBuffer &store);

signals:
    // A set command or a device notice was acknowledged; the user sees "OK".
    void acknowledged();

private:
    void applySpectrum(const QByteArray &payload);
    void applyDeviceModel(const QByteArray &payload);
    void applyEfficiencyTable(const QByteArray &payload);
    void applyFlicker(const QByteArray &payload);

    DataBuffer *m_store;
};
