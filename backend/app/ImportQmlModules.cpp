// Pulls the statically linked QML modules into every program that loads the UI.
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(UIVantorelContentPlugin)
Q_IMPORT_QML_PLUGIN(UIVantorelPlugin)
Q_IMPORT_QML_PLUGIN(BrandConfigPlugin)
Q_IMPORT_QML_PLUGIN(AppBackendPlugin)
