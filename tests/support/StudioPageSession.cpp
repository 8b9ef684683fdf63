#include "StudioPageSession.h"

#include "TemporaryHome.h"

#include "protocol/DeviceFrame.h"
#include "output/SaveFolder.h"
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

namespace testsupport {

bool StudioPageSession::start()
{
    useTemporaryHome();
    QStandardPaths::setTestModeEnabled(true);
    QDir(SaveFolder::path()).removeRecursively();
    MeasurementSettings::setUnit(0);
    MeasurementSettings::setRangeEnable(false);
    m_app = std::make_unique<RunningApplication>();
    if (!m_app->start())
        return false;
    m_ui = std::make_unique<UiDriver>(*m_app);
    return true;
}

void StudioPageSession::stop()
{
    if (m_device)
        studio()->handleHardwareDisconnectSignal();
    m_device.reset();
    m_ui.reset();
    m_app.reset();
}

bool StudioPageSession::openStudioWith(const QString &model,
                                       const std::function<void(simdevice::DeviceState &)> &adjust)
{
    if (m_device) {
        studio()->handleHardwareDisconnectSignal();
        m_device.reset();
    }
    simdevice::DeviceState state;
    state.model = model;
    state.wlStart = 380;
    state.wlEnd = 780;
    state.streamIntervalMs = 50;
    if (adjust)
        adjust(state);
    m_device = std::make_unique<simdevice::SimulatedDevice>(state);
    if (!m_device->start())
        return false;
    m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 0);
    if (!QTest::qWaitFor([&] { return buffer()->deviceModel() == model; }, kConnectTimeoutMs)
        || !QTest::qWaitFor([&] { return m_app->isVisible(QStringLiteral("function_ui")); }, kReplyTimeoutMs))
        return false;
    if (!QMetaObject::invokeMethod(m_app->window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio")))
        || !m_app->isVisible(QStringLiteral("dynamicLoader")) || !QTest::qWaitForWindowExposed(m_app->window()))
        return false;
    m_app->window()->requestActivate();
    QTest::qWait(50);
    m_device->clearReceived();
    return true;
}

QList<QByteArray> StudioPageSession::receivedFrames(int count)
{
    (void)QTest::qWaitFor([&] { return m_device->receivedFrames().size() >= count; }, kReplyTimeoutMs);
    QTest::qWait(100); // nothing more may follow
    const QList<QByteArray> frames = m_device->receivedFrames();
    m_device->clearReceived();
    return frames;
}

bool StudioPageSession::snapshotByClick()
{
    if (!m_ui->click(QStringLiteral("manualSpectrum")))
        return false;
    return QTest::qWaitFor([this] { return buffer()->hasData() && !studio()->isSingle(); }, kReplyTimeoutMs);
}

QAbstractItemModel *StudioPageSession::hueBins() const
{
    QQuickItem *rows = m_ui->item(QStringLiteral("hueBinRows"));
    return rows ? qobject_cast<QAbstractItemModel *>(rows->property("model").value<QObject *>()) : nullptr;
}

QStringList StudioPageSession::hueBin(int row) const
{
    QAbstractItemModel *model = hueBins();
    QStringList cells;
    const QHash<int, QByteArray> roles = model->roleNames();
    for (const char *name : {"hueAngle", "rf", "chroma", "hue"})
        cells << model->data(model->index(row, 0), roles.key(name)).toString();
    return cells;
}

QStringList StudioPageSession::chartTypes() const
{
    return m_ui->property(QStringLiteral("selectShowChart"), "chartTypes").toStringList();
}

QString StudioPageSession::shownChart() const
{
    return m_ui->property(QStringLiteral("selectShowChart"), "currentValue").toString();
}

QString StudioPageSession::statusText() const
{
    return m_ui->property(QStringLiteral("exposureStatusText"), "text").toString();
}

QStringList StudioPageSession::tableTexts() const { return visibleTexts(m_ui->item(QStringLiteral("resultPane"))); }

QStringList visibleTexts(QQuickItem *root)
{
    QStringList texts;
    if (!root || !root->isVisible())
        return texts;
    // As a person reads them: without the invisible joins that keep units whole.
    if (root->inherits("QQuickText"))
        texts << root->property("text").toString().remove(QChar(0x2060)).remove(QChar(0x200B));
    for (QQuickItem *child : root->childItems())
        texts << visibleTexts(child);
    return texts;
}

QByteArray commandFrame(uint8_t code, const QByteArray &payload) { return DeviceFrame::build(code, payload); }

} // namespace testsupport
