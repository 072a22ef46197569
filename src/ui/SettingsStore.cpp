#include "ui/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>

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
    removeAbandonedTemporaries();
}

SettingsStore::SettingsStore(const QString& fileName) : m_settings(fileName, QSettings::IniFormat)
{
    removeAbandonedTemporaries();
}

// Qt writes the store through a temporary file beside it ("Quillmere.conf"
// and six letters) and renames it; a copy killed mid-write leaves that file
// behind. One older than a minute belongs to no running write.
void SettingsStore::removeAbandonedTemporaries() const
{
    const QFileInfo store(m_settings.fileName());
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(store.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime aMinuteAgo = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList candidates =
        store.dir().entryInfoList({store.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : candidates) {
        if (temporary.match(file.fileName()).hasMatch() && file.lastModified() < aMinuteAgo)
            QFile::remove(file.filePath());
    }
}

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

// QSettings re-reads the file before it writes only when the file's size or
// modification time (in milliseconds) differ from what it last saw, so a
// field another copy wrote in the same millisecond, with the same size,
// would be overwritten with its old value. Moving the time on by a
// millisecond after each write keeps every copy's memory of the file
// different from the file itself, so each write starts from what is stored;
// only the instant between another copy's rename and its own step is left.
void SettingsStore::moveModificationTimeOn() const
{
    const QByteArray path = QFile::encodeName(m_settings.fileName());
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return;
    timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    times[1].tv_nsec += 1000000;
    if (times[1].tv_nsec >= 1000000000) {
        times[1].tv_sec += 1;
        times[1].tv_nsec -= 1000000000;
    }
    ::utimensat(AT_FDCWD, path.constData(), times, 0);
}

bool SettingsStore::write(const QString& key, const QString& value)
{
    clearAbandonedLock();
    m_settings.setValue(key, value);
    m_settings.sync();
    moveModificationTimeOn();
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
