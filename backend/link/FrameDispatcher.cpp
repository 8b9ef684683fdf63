#include "FrameDispatcher.h"

#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"
#include "store/DataBuffer.h"

#include <QtEndian>

namespace {

const quint8 *bytes(const QByteArray &a) { return reinterpret_cast<const quint8 *>(a.constData()); }

} // namespace

FrameDispatcher::FrameDispatcher(DataBuffer *store, QObject *parent) : QObject(parent), m_store(store)
{
}

void FrameDispatcher::dispatch(const QByteArray &frame)
{
    if (frame.size() < DeviceFrame::kOverhead)
        return;
    using namespace DeviceCommand;
    const QByteArray payload = DeviceFrame::payload(frame);
    const quint8 *p = bytes(payload);
    const int size = int(payload.size());

    switch (DeviceFrame::code(frame)) {
    case CMD_SPECTRUM_PUSH:
    case CMD_SINGLE_SPECTRUM:
    case CMD_AUTO_SPECTRUM:
        applySpectrum(payload);
        break;
    case CMD_GET_DEVICE_MODEL:
        applyDeviceModel(payload);
        break;
    case CMD_GET_EXPO_MODE:
        if (size >= 1)
            m_store->setExpoMode(p[0] != 0);
        break;
    case CMD_GET_EXPO_TIME:
        if (size >= 4)
            m_store->setExpoTime(qFromLittleEndian<quint32>(p));
        break;
    case CMD_GET_WL_RANGE:
        if (size >= 4)
            m_store->setWl(qFromLittleEndian<quint16>(p), qFromLittleEndian<quint16>(p + 2));
        break;
    case CMD_RESET_EFFICIENCY:
    case CMD_SAVE_EFFICIENCY:
        if (size >= 1 && p[0] == 0)
            emit acknowledged();
        break;
    case CMD_GET_EFFICIENCY:
        applyEfficiencyTable(payload);
        break;
    case CMD_GET_CIE2015:
        if (size >= 1)
            m_store->setCie2015(p[0] == 0 ? 0 : p[0] == 2 ? 1 : 2);
        break;
    case CMD_GET_GAIN_VALUE:
        if (size >= 1)
            m_store->setGainValue(p[0]);
        break;
    case CMD_GET_GAIN_MODE:
        if (size >= 1)
            m_store->setGainMode(p[0] != 0);
        break;
    case CMD_FLICKER:
        applyFlicker(payload);
        break;
    case CMD_SET_EXPO_MODE:
    case CMD_SET_EXPO_TIME:
    case CMD_DEVICE_ACK_16:
    case CMD_DEVICE_ACK_19:
    case CMD_SET_BAUD_RATE:
    case CMD_SET_CIE2015:
    case CMD_SET_GAIN_VALUE:
    case CMD_SET_GAIN_MODE:
        emit acknowledged();
        break;
    default:
        break;
    }
}

namespace {

int photometricBytesOf(const DataBuffer &store)
{
    return store.isY() ? 0 : 4 * int(store.modelInfo().plain.size());
}

} // namespace

int FrameDispatcher::spectrumFrameBytes(const DataBuffer &store)
{
    return DeviceFrame::kOverhead + kExposureBytes + photometricBytesOf(store) + store.spectrumPayloadSize();
}

void FrameDispatcher::applySpectrum(const QByteArray &payload)
{
    const int size = int(payload.size());
    if (size < kExposureBytes)
        return;
    const quint8 *p = bytes(payload);
    const int photometricBytes = photometricBytesOf(*m_store);
    const int spectrumBytes = size - kExposureBytes - photometricBytes;
    if (spectrumBytes != m_store->spectrumPayloadSize() || spectrumBytes > DataBuffer::kRawPayloadCapacity)
        return;

    m_store->setExpoStatus(p[0]);
    m_store->setExpoTime(qFromLittleEndian<quint32>(p + 1));
    const quint8 *photometric = p + kExposureBytes;
    const quint8 *spectrum = photometric + photometricBytes;
    if (photometricBytes > 0)
        m_store->setSpectrumFrame(photometric, photometricBytes, spectrum, spectrumBytes);
    else
        m_store->setSpecData(spectrum, spectrumBytes);
}

void FrameDispatcher::applyDeviceModel(const QByteArray &payload)
{
    if (payload.size() < kModelNameTrailer)
        return;
    QByteArray name = payload.left(payload.size() - kModelNameTrailer);
    const qsizetype nul = name.indexOf('\0');
    if (nul >= 0)
        name.truncate(nul);
    m_store->setDeviceModel(QString::fromUtf8(name));
}

void FrameDispatcher::applyEfficiencyTable(const QByteArray &payload)
{
    const int size = int(payload.size());
    if (size < 4)
        return;
    const quint8 *p = bytes(payload);
    const int count = qFromLittleEndian<quint16>(p);
    const quint16 start = qFromLittleEndian<quint16>(p + 2);
    if (count > DataBuffer::kEfficiencyRows || size < 4 + 4 * count)
        return;
    QList<float> values(count);
    for (int i = 0; i < count; ++i)
        values[i] = qFromLittleEndian<float>(p + 4 + 4 * i);
    m_store->setEfficiencyTable(start, values.constData(), count);
}

void FrameDispatcher::applyFlicker(const QByteArray &payload)
{
    const int size = int(payload.size());
    if (size < kFlickerHeaderBytes || size - kFlickerHeaderBytes > DataBuffer::kRawPayloadCapacity)
        return;
    const quint8 *p = bytes(payload);
    const float depth = qFromLittleEndian<float>(p + 9);
    m_store->setGainValue(p[0]);
    m_store->setFrequency(qFromLittleEndian<float>(p + 1));
    m_store->setIndex(qFromLittleEndian<float>(p + 5));
    m_store->setDepth(depth);
    m_store->setPercent(depth);
    m_store->setFlickerData(p + kFlickerHeaderBytes, size - kFlickerHeaderBytes);
}
