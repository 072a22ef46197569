#include "core/SearchKey.h"

#include <QList>
#include <QStringView>

QString searchKey(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing: break;
        default: key += c;
        }
    }
    // Qt folds one letter to one: ß (and ẞ, which folds to it) is the letter
    // whose full fold a German user types.
    key = key.toCaseFolded();
    key.replace(QChar(0x00DF), QLatin1String("ss"));
    return key.simplified();
}

bool matchesSearch(const QString& key, const QString& query)
{
    for (const QStringView word : QStringView(query).split(u' ', Qt::SkipEmptyParts)) {
        if (!key.contains(word))
            return false;
    }
    return true;
}
