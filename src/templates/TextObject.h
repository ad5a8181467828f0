#pragma once

#include "templates/SlotObject.h"

#include <QColor>
#include <QFont>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>

// One text slot; also the style record a text slide receives (TextMediaPtr).
struct TextObject : SlotObject
{
    QFont font;
    QColor color;
    QString slideBackground; // full path of the thumbnail background picture, or empty
    QString texture;         // picture file relative to the template folder, or empty
};

using TextMediaPtr = QSharedPointer<TextObject>;

Q_DECLARE_METATYPE(TextMediaPtr)
