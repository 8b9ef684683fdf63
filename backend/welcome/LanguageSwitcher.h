#pragma once
// The two translation catalogues of the user interface (application and brand) and the
// switch between languages.

#include <QString>
#include <QTranslator>

class QQmlEngine;

class LanguageSwitcher
{
public:
    static QString appCataloguePath(const QString &code);   // ":/qt/qml/UIVantorelContent/i18n/qml_%1.qm"
    static QString brandCataloguePath(const QString &code); // ":/qt/qml/BrandConfig/i18n/brand_%1.qm"

    // Loads and installs the catalogues of `code` (a missing one is logged and skipped)
    // and has the engine retranslate. Returns false, doing nothing, when `code` is the
    // language already applied.
    bool apply(const QString &code, QQmlEngine *engine);

    QString language() const { return m_language; }
    bool hasAppCatalogue() const { return !m_app.isEmpty(); }
    bool hasBrandCatalogue() const { return !m_brand.isEmpty(); }

private:
    QString m_language;
    QTranslator m_app;
    QTranslator m_brand;
};
