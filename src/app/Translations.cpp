#include "app/Translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool Translations::load(QTranslator& translator, const QString& localeName)
{
    return translator.load(localeName, QStringLiteral(":/translations"));
}

bool Translations::loadQt(QTranslator& translator, const QString& localeName)
{
    return translator.load(QLocale(localeName), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}
