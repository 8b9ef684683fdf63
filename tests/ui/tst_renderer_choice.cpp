// The application's choice of Qt Quick renderer: the software scene graph where OpenGL is
// only a rasterizer on the CPU, the hardware path with a GPU, and the user's choice first.
// On that software path the shell's stand-ins for layer effects draw the whole window.
#include "RunningApplication.h"
#include "TemporaryHome.h"

#include "app/SceneGraphBackend.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtTest>

class TestRendererChoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTemporaryHome(); }

    void recognisesCpuRasterizers_data()
    {
        QTest::addColumn<QString>("glRenderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
        QTest::newRow("softpipe") << "softpipe" << true;
        QTest::newRow("swrast") << "Software Rasterizer" << true;
        QTest::newRow("windows fallback") << "GDI Generic" << true;
        QTest::newRow("no context") << "" << true;
        QTest::newRow("intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
        QTest::newRow("radeon") << "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)" << false;
        QTest::newRow("nvidia") << "NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2" << false;
        QTest::newRow("virgl") << "virgl (NVIDIA GeForce RTX 3070)" << false;
    }
    void recognisesCpuRasterizers()
    {
        QFETCH(QString, glRenderer);
        QFETCH(bool, software);
        QCOMPARE(isSoftwareRasterizer(glRenderer), software);
    }

    // The user's variable wins; without one the probe decides, and the window that then
    // opens draws the welcome page on that renderer.
    void choosesBeforeTheWindowOpens()
    {
        qputenv("QSG_RHI_BACKEND", "opengl");
        QVERIFY(!chooseSceneGraphBackend());
        QVERIFY(QQuickWindow::sceneGraphBackend().isEmpty());
        qunsetenv("QSG_RHI_BACKEND");

        const bool software = isSoftwareRasterizer(probeOpenGLRenderer());
        QCOMPARE(chooseSceneGraphBackend(), software);

        testsupport::RunningApplication app;
        QVERIFY(app.start());
        QVERIFY(QTest::qWaitForWindowExposed(app.window()));
        QCOMPARE(app.window()->rendererInterface()->graphicsApi(),
                 software ? QSGRendererInterface::Software : QSGRendererInterface::OpenGL);
        // The welcome page's own background fills the middle of the window.
        const QImage shot = app.window()->grabWindow();
        const QColor middle = shot.pixelColor(shot.width() / 2, shot.height() - 12);
        QVERIFY2(middle.alpha() == 255 && middle.lightness() > 200, qPrintable(middle.name(QColor::HexArgb)));
    }
};

QTEST_MAIN(TestRendererChoice)
#include "tst_renderer_choice.moc"
