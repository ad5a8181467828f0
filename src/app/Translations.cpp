#include "app/Translations.h"

#include <QTranslator>

bool Translations::load(QTranslator& translator, const QString& localeName)
{
    return translator.load(localeName, QStringLiteral(":/translations"));
}
