#include "SceneGraphBackend.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

bool isSoftwareRasterizer(const QString &glRenderer)
{
    // Mesa's llvmpipe, softpipe and swrast ("Software Rasterizer"), Windows' GDI fallback.
    static const char *const kSoftware[] = {"llvmpipe", "softpipe", "swrast", "software rasterizer",
                                            "gdi generic"};
    if (glRenderer.trimmed().isEmpty())
        return true;
    for (const char *name : kSoftware) {
        if (glRenderer.contains(QLatin1String(name), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool sceneGraphBackendChosenByUser()
{
    for (const char *name : {"QT_QUICK_BACKEND", "QMLSCENE_DEVICE", "QSG_RHI_BACKEND"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    return false;
}

QString probeOpenGLRenderer()
{
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface))
        return {};
    const auto *renderer = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QString name = renderer ? QString::fromLatin1(renderer) : QString();
    context.doneCurrent();
    return name;
}

bool chooseSceneGraphBackend()
{
    if (sceneGraphBackendChosenByUser() || QQuickWindow::graphicsApi() != QSGRendererInterface::OpenGL)
        return false;
    if (!isSoftwareRasterizer(probeOpenGLRenderer()))
        return false;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return true;
}
