#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

QString ChosenLanguage(const QString& strSetting, const QStringList& systemLanguages) {
    auto Ours = [](const QString& strCode) {
        for (const ClientLanguage& language : kClientLanguages)
            if (strCode == QLatin1String(language.szCode))
                return true;
        return false;
    };
    if (Ours(strSetting))
        return strSetting;
    // "de-AT", "de_AT" and "de" all ask for German.
    for (const QString& strSystem : systemLanguages) {
        const QString strCode =
            strSystem.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (Ours(strCode))
            return strCode;
    }
    return QStringLiteral("en");
}

bool InstallTranslations(const QString& strCode) {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    for (const auto& pTranslator : installed)
        QCoreApplication::removeTranslator(pTranslator.get());
    installed.clear();
    auto Install = [](const QString& strFile, const QString& strFolder) {
        auto pTranslator = std::make_unique<QTranslator>();
        if (!pTranslator->load(strFile, strFolder))
            return false;
        QCoreApplication::installTranslator(pTranslator.get());
        installed.push_back(std::move(pTranslator));
        return true;
    };
    // The last installed is asked first: the language over English's plural forms.
    Install(QStringLiteral("zorv_en"), QStringLiteral(":/i18n"));
    bool bFound = true;
    if (strCode != QLatin1String("en")) {
        Install(QStringLiteral("qtbase_") + strCode,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        bFound = Install(QStringLiteral("zorv_") + strCode, QStringLiteral(":/i18n"));
    }
    // The desktop's own locale where it is of the language chosen (en_GB's dates for English,
    // de_AT's for German), else the language's usual one.
    const QLocale chosen(strCode);
    QLocale::setDefault(QLocale::system().language() == chosen.language() ? QLocale::system()
                                                                          : chosen);
    return bFound;
}
