#include "core/DataSize.h"

#include <QCoreApplication>
#include <QLocale>

namespace DataSize {

namespace {

QLocale withoutGroups()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

QString kilobytes(qint64 bytes)
{
    //: A size: a whole number of kilobytes (1024 bytes), the unit as the desktop writes it.
    return QCoreApplication::translate("DataSize", "%1 KB").arg(withoutGroups().toString((bytes + 1023) / 1024));
}

QString megabytes(qint64 bytes)
{
    //: A size: megabytes (1024 KB) with one decimal, the unit as the desktop writes it.
    return QCoreApplication::translate("DataSize", "%1 MB")
        .arg(withoutGroups().toString(double(bytes) / (1024 * 1024), 'f', 1));
}

QString gigabytes(qint64 bytes)
{
    //: A size: gigabytes (1024 MB) with one decimal, the unit as the desktop writes it.
    return QCoreApplication::translate("DataSize", "%1 GB")
        .arg(withoutGroups().toString(double(bytes) / (1024 * 1024 * 1024), 'f', 1));
}

}  // namespace DataSize
