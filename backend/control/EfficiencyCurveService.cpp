#include "EfficiencyCurveService.h"

#include "EffCurveRegen.h"
#include "link/ActiveTransport.h"
#include "control/EfficiencyCsvReader.h"
#include "store/DataBuffer.h"
#include "transport/UARTInterface.h"

#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QUrl>
#include <cmath>
#include <memory>

namespace {

struct ArrayDeleter {
    void operator()(FloatArray *a) const { destroyArray(a); }
};
using Table = std::unique_ptr<FloatArray, ArrayDeleter>;

int32_t rowsOf(const FloatArray *table)
{
    if (!table || !table->data || !table->size || table->numDimensions < 1)
        return 0;
    return qBound(0, table->size[0], table->allocatedSize);
}

// The table the connected device sent, or null while it has not arrived.
const FloatArray *connectedDeviceTable()
{
    const DataBuffer *buffer = DataBuffer::instance();
    if (!buffer->efficiencyTableRead() || rowsOf(buffer->efficiencyTable()) == 0)
        return nullptr;
    return buffer->efficiencyTable();
}

bool finiteAndPositive(const FloatArray *curve, int32_t rows)
{
    if (rowsOf(curve) != rows)
        return false;
    for (int32_t i = 0; i < rows; ++i) {
        if (!(std::isfinite(curve->data[i]) && curve->data[i] > 0.0f))
            return false;
    }
    return true;
}

Table column(int32_t rows, const float *values = nullptr, float fill = 0.0f)
{
    Table t(createFloatArray(rows, 1));
    for (int32_t i = 0; i < rows; ++i)
        t->data[i] = values ? values[i] : fill;
    return t;
}

} // namespace

EfficiencyCurveService::EfficiencyCurveService(QQmlApplicationEngine *engine, QObject *parent)
    : QObject(parent), m_engine(engine)
{
}

static bool serialActive(int connectType) { return !ActiveTransport::isBle(connectType); }

QString EfficiencyCurveService::localFolder(const QString &folder)
{
    if (folder.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(folder).toLocalFile();
    return folder;
}

QString EfficiencyCurveService::messageText(Message message, const QString &uiLanguage,
                                            bool haveEngine)
{
    const bool chinese = !haveEngine || uiLanguage == QLatin1String("zh");
    switch (message) {
    case Message::SourceMissing:
        return chinese ? QStringLiteral("sourceData.csv不存在") : QStringLiteral("Cannot Find sourceData.csv");
    case Message::TargetMissing:
        return chinese ? QStringLiteral("targetData.csv不存在") : QStringLiteral("Cannot Find targetData.csv");
    case Message::SourceInvalid:
        return chinese ? QStringLiteral("sourceData.csv 数据异常或波长不连续")
                       : QStringLiteral("sourceData.csv Invalid");
    case Message::TargetInvalid:
        return chinese ? QStringLiteral("targetData.csv 数据异常或波长不连续")
                       : QStringLiteral("targetData.csv Invalid");
    case Message::TableNotRead:
        return chinese ? QStringLiteral("请先读取设备的效率曲线")
                       : QStringLiteral("Read the efficiency curve from the device first");
    case Message::RatioInvalid:
        return chinese ? QStringLiteral("校准系数无效") : QStringLiteral("Invalid calibration ratio");
    case Message::CurveInvalid:
        return chinese ? QStringLiteral("生成的效率曲线无效，未上传")
                       : QStringLiteral("Regenerated efficiency curve invalid, not uploaded");
    }
    return QString();
}

void EfficiencyCurveService::show(Message message)
{
    const QString language = m_engine ? m_engine->uiLanguage() : QString();
    emit messageReady(messageText(message, language, !m_engine.isNull()));
}

void EfficiencyCurveService::requestDeviceTable(int connectType)
{
    if (!serialActive(connectType))
        return;
    emit stopContinuousRequested();
    UARTInterface::instance()->getEfficiency();
}

void EfficiencyCurveService::resetDeviceTable(int connectType)
{
    if (!serialActive(connectType))
        return;
    UARTInterface::instance()->resetEfficiency();
}

void EfficiencyCurveService::uploadFlatCorrection(int connectType, float ratio)
{
    if (!serialActive(connectType))
        return;
    // Without this device's table its length is unknown: 901 copies, or the length of an
    // earlier device's table, would not fit every model.
    const FloatArray *deviceTable = connectedDeviceTable();
    if (!deviceTable)
        return show(Message::TableNotRead);
    if (!(std::isfinite(ratio) && ratio > 0.0f))
        return show(Message::RatioInvalid);
    const int32_t rows = rowsOf(deviceTable);
    const Table flat = column(rows, nullptr, ratio);
    UARTInterface::instance()->uploadEfficiency(flat.get());
}

void EfficiencyCurveService::regenerateFromCsv(int connectType, const QString &folder)
{
    if (!serialActive(connectType))
        return;
    const QString dir = localFolder(folder);
    const QString sourcePath = dir + QStringLiteral("/sourceData.csv");
    const QString targetPath = dir + QStringLiteral("/targetData.csv");
    if (!QFileInfo(sourcePath).isFile())
        return show(Message::SourceMissing);
    if (!QFileInfo(targetPath).isFile())
        return show(Message::TargetMissing);

    bool ok = false;
    const Table source(EfficiencyCsvReader::read(sourcePath, &ok));
    if (!ok || rowsOf(source.get()) == 0)
        return show(Message::SourceInvalid);
    const Table target(EfficiencyCsvReader::read(targetPath, &ok));
    if (!ok || rowsOf(target.get()) == 0)
        return show(Message::TargetInvalid);

    // Without this device's table there is no wavelength axis to regenerate the curve on.
    const FloatArray *deviceTable = connectedDeviceTable();
    if (!deviceTable)
        return show(Message::TableNotRead);
    const int32_t rows = rowsOf(deviceTable);
    const Table wavelengths = column(rows, deviceTable->data);
    const Table curve = column(rows);
    RegenStatus status{};
    regeneffcurve(source.get(), target.get(), wavelengths.get(), curve.get(), &status);
    if (status.code != 0) {
        emit messageReady(QString::fromLatin1(status.message));
        return;
    }
    if (!finiteAndPositive(curve.get(), rows))
        return show(Message::CurveInvalid);
    UARTInterface::instance()->uploadEfficiency(curve.get());
}
