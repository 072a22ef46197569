#include "ui/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// Every key of the store; nothing outside this file spells one.
QString fieldKey(int i)
{
    return QStringLiteral("Textbox") + QString::number(i);
}
const QString birthDayKey = QStringLiteral("BirthDay");
const QString tabPageKey = QStringLiteral("TabControl1");

}  // namespace

SettingsStore::SettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrask"),
                 QStringLiteral("Quillmere"))
{
}

SettingsStore::SettingsStore(const QString& fileName) : m_settings(fileName, QSettings::IniFormat) {}

QString SettingsStore::fileName() const
{
    return m_settings.fileName();
}

QString SettingsStore::readString(const QString& key) const
{
    const QVariant value = m_settings.value(key);
    // A hand-edited entry may read back as a list or as binary data.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

QString SettingsStore::fieldText(int i) const
{
    return readString(fieldKey(i));
}

QString SettingsStore::birthDayText() const
{
    return readString(birthDayKey);
}

QString SettingsStore::tabPageText() const
{
    return m_settings.contains(tabPageKey) ? readString(tabPageKey) : QStringLiteral("0");
}

// A copy of the program killed while it created the store's lock file
// leaves it empty, and Qt would then wait half a minute for it to age.
// A lock file is written in one piece right after it is created, so one
// that stays empty is abandoned.
void SettingsStore::clearAbandonedLock() const
{
    const QString lockPath = m_settings.fileName() + QStringLiteral(".lock");
    if (QFileInfo(lockPath).size() != 0 || !QFileInfo::exists(lockPath))
        return;
    QThread::msleep(50);
    if (QFileInfo::exists(lockPath) && QFileInfo(lockPath).size() == 0)
        QFile::remove(lockPath);
}

bool SettingsStore::write(const QString& key, const QString& value)
{
    clearAbandonedLock();
    m_settings.setValue(key, value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

bool SettingsStore::setFieldText(int i, const QString& text)
{
    return write(fieldKey(i), text);
}

bool SettingsStore::setBirthDay(const QDate& date)
{
    return write(birthDayKey, date.toString(Qt::ISODate));
}

bool SettingsStore::setTabPage(int page)
{
    return write(tabPageKey, QString::number(page));
}
