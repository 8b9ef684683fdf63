#pragma once
// The real application with the photometry page open on a simulated spectrometer, for the
// tests that drive that page: connect a model, measure by clicking, read what it shows.

#include "RunningApplication.h"
#include "SimulatedDevice.h"
#include "UiDriver.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class DataBuffer;
class QAbstractItemModel;
class QQuickItem;
class StudioService;

namespace testsupport {

class StudioPageSession
{
public:
    // Generous bounds for a loaded machine; a passing wait ends as soon as it can.
    static constexpr int kConnectTimeoutMs = 30000;
    static constexpr int kReplyTimeoutMs = 15000;

    // Temporary home, default settings, an empty save folder; false when the window failed.
    bool start();
    // Disconnects and drops the device, then the application.
    void stop();

    // Connects a fresh device of `model` (380 to 780 nm) and opens the page as the mode
    // page does; false when any step failed.
    bool openStudioWith(const QString &model, const std::function<void(simdevice::DeviceState &)> &adjust = {});
    // What the device received since the last call, once `count` frames have arrived.
    QList<QByteArray> receivedFrames(int count);
    // A click on Snapshot Measure, until its spectrum is in the store.
    bool snapshotByClick();

    QAbstractItemModel *hueBins() const;
    // One hue bin as shown: angle, fidelity, chroma shift, hue shift.
    QStringList hueBin(int row) const;
    QStringList chartTypes() const;
    QString shownChart() const;
    QString statusText() const;
    // Visible texts of the result pane, in item-tree order.
    QStringList tableTexts() const;

    RunningApplication &app() { return *m_app; }
    UiDriver &ui() { return *m_ui; }
    simdevice::SimulatedDevice &device() { return *m_device; }
    bool hasDevice() const { return bool(m_device); }
    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }

private:
    std::unique_ptr<RunningApplication> m_app;
    std::unique_ptr<UiDriver> m_ui;
    std::unique_ptr<simdevice::SimulatedDevice> m_device;
};

// Texts of every visible Text item under `root`, in item-tree order.
QStringList visibleTexts(QQuickItem *root);
// A frame as the host sends it.
QByteArray commandFrame(uint8_t code, const QByteArray &payload = {});

} // namespace testsupport
