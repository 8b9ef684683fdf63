#include "StoreFixtures.h"

#include "catalog/ParameterCatalog.h"
#include "protocol/DeviceFrame.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cstring>

namespace testsupport {

namespace {
template <typename T> QByteArray littleEndian(T value)
{
    QByteArray b(int(sizeof value), '\0');
    qToLittleEndian(value, b.data());
    return b;
}
} // namespace

QByteArray le16(uint16_t value) { return littleEndian(value); }
QByteArray le32(uint32_t value) { return littleEndian(value); }

QByteArray f32(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return le32(bits);
}

QByteArray f32s(const QVector<float> &values)
{
    QByteArray b;
    for (float v : values)
        b += f32(v);
    return b;
}

QByteArray reply(uint8_t code, const QByteArray &payload)
{
    return DeviceFrame::build(code, payload, DeviceFrame::kDeviceToHost);
}

static QByteArray samplesOf(const QVector<uint16_t> &samples)
{
    QByteArray b;
    for (uint16_t s : samples)
        b += le16(s);
    return b;
}

QByteArray plainSpectrum(int16_t scaleCode, const QVector<uint16_t> &samples)
{
    return le16(uint16_t(scaleCode)) + samplesOf(samples);
}

QByteArray spectrumFrameBody(uint8_t status, uint32_t expoUs, const QVector<float> &words,
                             const QByteArray &spectrum)
{
    return QByteArray(1, char(status)) + le32(expoUs) + f32s(words) + spectrum;
}

QVector<uint16_t> rampSamples(int count, uint16_t step)
{
    QVector<uint16_t> s(count);
    for (int i = 0; i < count; ++i)
        s[i] = uint16_t(i * step);
    return s;
}

QByteArray modelReply(const QByteArray &name) { return name + QByteArray("SN000042"); }

QByteArray rangeReply(uint16_t start, uint16_t end) { return le16(start) + le16(end); }

QByteArray flickerReply(uint8_t gain, float frequency, float index, float depth,
                        const QVector<uint16_t> &samples)
{
    return QByteArray(1, char(gain)) + f32(frequency) + f32(index) + f32(depth) + samplesOf(samples);
}

void loadCatalogues()
{
    static const bool loaded = (loadParameterTables(), true);
    Q_UNUSED(loaded);
}

void prepareStoreTests()
{
    QStandardPaths::setTestModeEnabled(true);
    MeasurementSettings::initMeasurementSettings();
    MeasurementSettings::setUnit(0);
    MeasurementSettings::setRangeEnable(false);
    MeasurementSettings::setRange(370, 780);
    loadCatalogues();
}

const quint8 *bytesOf(const QByteArray &bytes) { return reinterpret_cast<const quint8 *>(bytes.constData()); }

bool passThrottle(DataBuffer &store)
{
    auto *throttle = store.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!throttle)
        return false;
    // A tick that finds a held-back result spends its turn on it; the one after opens.
    QSignalSpy ticks(throttle, &QTimer::timeout);
    return QTest::qWaitFor([&ticks] { return ticks.count() >= 2; }, 10000);
}

void feedSpectrum(DataBuffer &store, const QByteArray &payload, bool reload)
{
    store.setSpecData(bytesOf(payload), int(payload.size()), reload);
}

QVariantMap resultItem(const DataBuffer &store, const QString &key)
{
    for (const QVariant &group : store.formattedPhotoResult()) {
        for (const QVariant &item : group.toMap().value(QStringLiteral("items")).toList()) {
            if (item.toMap().value(QStringLiteral("key")).toString() == key)
                return item.toMap();
        }
    }
    return {};
}

} // namespace testsupport
