#pragma once
// Which Qt Quick renderer the application uses. Where the only OpenGL is a rasterizer on
// the CPU (virtual machines, remote desktops, older PCs without a driver), the software
// scene graph redraws just the regions that changed instead of emulating a GPU for the
// whole window on every frame. With a GPU the hardware path stays as it is.

#include <QString>

// True when GL_RENDERER names a CPU rasterizer, or is empty (no OpenGL context at all).
bool isSoftwareRasterizer(const QString &glRenderer);

// True when the user picked the renderer through the environment; that choice wins.
bool sceneGraphBackendChosenByUser();

// GL_RENDERER of a probe context on the default display; empty when none can be made.
QString probeOpenGLRenderer();

// Selects the software scene graph where OpenGL would only be a CPU rasterizer. Call once
// the application object exists and before the first Qt Quick window. True when it did.
bool chooseSceneGraphBackend();
