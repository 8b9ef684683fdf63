#include "LanguageSwitcher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlEngine>

QString LanguageSwitcher::appCataloguePath(const QString &code)
{
    return QStringLiteral(":/qt/qml/UIVantorelContent/i18n/qml_%1.qm").arg(code);
}

QString LanguageSwitcher::brandCataloguePath(const QString &code)
{
    return QStringLiteral(":/qt/qml/BrandConfig/i18n/brand_%1.qm").arg(code);
}

bool LanguageSwitcher::apply(const QString &code, QQmlEngine *engine)
{
    if (code == m_language)
        return false;
    m_language = code;
    QCoreApplication::removeTranslator(&m_app);
    QCoreApplication::removeTranslator(&m_brand);

    const QString appPath = appCataloguePath(code);
    if (m_app.load(appPath))
        QCoreApplication::installTranslator(&m_app);
    else
        qWarning().noquote() << "Failed to load App translator. File not found:" << appPath;

    const QString brandPath = brandCataloguePath(code);
    if (m_brand.load(brandPath))
        QCoreApplication::installTranslator(&m_brand);
    else
        qWarning().noquote() << "Failed to load Brand translator. File not found:" << brandPath;

    if (engine)
        engine->retranslate();
    return true;
}
