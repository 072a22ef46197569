#include "settings/SettingsStore.h"

#include "core/AppInfo.h"
#include "settings/IniFormat.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every key of the store; nothing outside this file spells one.
QString fieldKey(int i)
{
    return QStringLiteral("Textbox") + QString::number(i);
}
const QString birthDayKey = QStringLiteral("BirthDay");
const QString tabPageKey = QStringLiteral("TabControl1");
const QString uidKey = QStringLiteral("UID");
const QString exportVersionKey = QStringLiteral("ExportVersion");
const QString shareWindowKey = QStringLiteral("ShareWindow");
QString folderKey(DialogFolder which)
{
    switch (which) {
    case DialogFolder::Export: return QStringLiteral("ExportFolder");
    case DialogFolder::QrCode: return QStringLiteral("QrCodeFolder");
    case DialogFolder::Open: break;
    }
    return QStringLiteral("OpenFolder");
}
const QString serverKey = QStringLiteral("AddressBookServer");
const QString userKey = QStringLiteral("AddressBookUser");
const QString bookKey = QStringLiteral("AddressBook");
const QString bookNameKey = QStringLiteral("AddressBookName");
const QString sentKey = QStringLiteral("AddressBookSent");
const QString trustedKey = QStringLiteral("TrustedCertificates");
const QString originsKey = QStringLiteral("AddressBookOrigins");
const QString trustedByOriginKey = QStringLiteral("TrustedCertificatesByOrigin");

bool readStore(QIODevice& device, QSettings::SettingsMap& map)
{
    return IniFormat::read(device.readAll(), map);
}

// Qt commits the file after this returns without seeing a failed flush of
// its buffer: every byte must be on disk before it may replace the old file.
bool writeStore(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QByteArray bytes = IniFormat::write(map);
    if (device.write(bytes) != bytes.size())
        return false;
    auto* file = qobject_cast<QFileDevice*>(&device);
    return !file || (file->flush() && ::fdatasync(file->handle()) == 0);
}

QSettings::Format storeFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStore, writeStore, Qt::CaseSensitive);
    return format;
}

// QSettings syncs on its own from the event loop after a change, and waits
// for its lock file without end there. Every sync is the store's, after it
// made sure the lock can be had.
class NoBackgroundSync : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::UpdateRequest; }
};

// A running copy holds the lock only while it writes.
constexpr int lockWaitMilliseconds = 300;

}  // namespace

SettingsStore::SettingsStore()
    : SettingsStore([] {
          return std::make_unique<QSettings>(storeFormat(), QSettings::UserScope, AppInfo::organizationName,
                                             AppInfo::productName);
      })
{
}

SettingsStore::SettingsStore(const QString& fileName)
    : SettingsStore([fileName] { return std::make_unique<QSettings>(fileName, storeFormat()); })
{
}

SettingsStore::SettingsStore(std::function<std::unique_ptr<QSettings>()> open)
    : m_open(std::move(open)),
      m_noBackgroundSync(std::make_unique<NoBackgroundSync>())
{
    openSettings();
    removeAbandonedTemporaries();
    // Asked of the store's own file: Qt's status also speaks for the files
    // it falls back on (the organisation's, the system's).
    QFile file(m_settings->fileName());
    QSettings::SettingsMap ignored;
    if (file.open(QIODevice::ReadOnly) && file.size() > 0 && !IniFormat::read(file.readAll(), ignored))
        moveUnreadableAside();
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::openSettings()
{
    m_settings = m_open();
    m_settings->installEventFilter(m_noBackgroundSync.get());
}

// A file nothing can be read from would otherwise be overwritten by the
// first keystroke; its bytes are kept under a name that says what it is.
void SettingsStore::moveUnreadableAside()
{
    const QString file = m_settings->fileName();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = file + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = file + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    m_settings.reset();
    if (QFile::rename(file, aside))
        m_movedAside = aside;
    openSettings();
}

// Qt writes the store through a temporary file beside it ("Quillmere.conf"
// and six letters) and renames it; a copy killed mid-write leaves that file
// behind. One older than a minute belongs to no running write.
void SettingsStore::removeAbandonedTemporaries() const
{
    const QFileInfo store(m_settings->fileName());
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
    return m_settings->fileName();
}

QString SettingsStore::readString(const QString& key) const
{
    const QVariant value = m_settings->value(key);
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

QString SettingsStore::uid() const
{
    return readString(uidKey);
}

QString SettingsStore::exportVersionText() const
{
    return readString(exportVersionKey);
}

QString SettingsStore::shareWindowText() const
{
    return readString(shareWindowKey);
}

QString SettingsStore::lastFolder(DialogFolder which) const
{
    return readString(folderKey(which));
}

QString SettingsStore::tabPageText() const
{
    return m_settings->contains(tabPageKey) ? readString(tabPageKey) : QStringLiteral("0");
}

// Qt's lock file names its owner, and the owner holds an advisory lock on it
// from right after creating it until it removes it. When that advisory lock
// can be taken, no running copy owns the file: it was left empty, garbled or
// whole by a copy that died, and Qt itself would wait half a minute for it
// to age, then for ever when it cannot remove it. (A copy caught between
// creating the file and locking it, a few instructions, could lose this
// race; it then writes its field alongside ours, and each write still
// replaces the file whole.)
SettingsStore::Lock SettingsStore::clearAbandonedLock(const QString& lockPath)
{
    const QByteArray path = QFile::encodeName(lockPath);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return errno == ENOENT ? Lock::Free : Lock::Stuck;
    if (!S_ISREG(status.st_mode))  // a folder, a pipe, a link: Qt could wait on it for ever
        return Lock::Stuck;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT ? Lock::Free : Lock::Stuck;
    Lock lock = Lock::Held;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        lock = ::unlink(path.constData()) == 0 || errno == ENOENT ? Lock::Free : Lock::Stuck;
    ::close(fd);
    return lock;
}

bool SettingsStore::lockWithin(int milliseconds) const
{
    const QString lockPath = m_settings->fileName() + QStringLiteral(".lock");
    QDeadlineTimer deadline(milliseconds);
    for (;;) {
        const Lock lock = clearAbandonedLock(lockPath);
        if (lock != Lock::Held)
            return lock == Lock::Free;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
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
    const QByteArray path = QFile::encodeName(m_settings->fileName());
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
    m_pending.insert(key, value);
    // Qt would wait for a lock it cannot get, for ever; such a write fails
    // now, and what it carried goes with the next one.
    if (!lockWithin(lockWaitMilliseconds))
        return false;
    // QSettings keeps reporting an error once it has had one; a fresh one
    // tells about this write only.
    if (m_settings->status() != QSettings::NoError)
        openSettings();
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
    m_settings->sync();
    moveModificationTimeOn();
    // A line another program wrote that cannot be read is no failure to write.
    if (m_settings->status() == QSettings::AccessError)
        return false;
    m_pending.clear();
    return true;
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

bool SettingsStore::setUid(const QString& uid)
{
    return write(uidKey, uid);
}

bool SettingsStore::setExportVersion(const QString& version)
{
    return write(exportVersionKey, version);
}

bool SettingsStore::setShareWindow(const QString& text)
{
    return write(shareWindowKey, text);
}

bool SettingsStore::setLastFolder(DialogFolder which, const QString& folder)
{
    return write(folderKey(which), folder);
}

SettingsStore::AddressBookAccount SettingsStore::addressBookAccount() const
{
    return {readString(serverKey), readString(userKey), readString(bookKey), readString(bookNameKey)};
}

bool SettingsStore::setAddressBookAccount(const AddressBookAccount& account)
{
    m_pending.insert(serverKey, account.server);
    m_pending.insert(userKey, account.user);
    m_pending.insert(bookKey, account.book);
    return write(bookNameKey, account.bookName);
}

// One entry for all: {"<book> <uid>": ["<resource>", "<ETag>"], ...}.
QPair<QString, QByteArray> SettingsStore::sentCard(const QString& book, const QString& uid) const
{
    const QJsonArray sent =
        QJsonDocument::fromJson(readString(sentKey).toUtf8()).object().value(book + u' ' + uid).toArray();
    return {sent.at(0).toString(), sent.at(1).toString().toUtf8()};
}

bool SettingsStore::setSentCard(const QString& book, const QString& uid, const QString& resource,
                                const QByteArray& etag)
{
    QJsonObject sent = QJsonDocument::fromJson(readString(sentKey).toUtf8()).object();
    sent.insert(book + u' ' + uid, QJsonArray{resource, QString::fromUtf8(etag)});
    return write(sentKey, QString::fromUtf8(QJsonDocument(sent).toJson(QJsonDocument::Compact)));
}

QSet<QString> SettingsStore::trustedCertificates() const
{
    const QStringList list = readString(trustedKey).split(u' ', Qt::SkipEmptyParts);
    return {list.begin(), list.end()};
}

bool SettingsStore::setTrustedCertificates(const QSet<QString>& fingerprints)
{
    QStringList list(fingerprints.begin(), fingerprints.end());
    list.sort();
    return write(trustedKey, list.join(u' '));
}

QMap<QString, QPair<QString, QByteArray>> SettingsStore::sentCards() const
{
    QMap<QString, QPair<QString, QByteArray>> out;
    const QJsonObject sent = QJsonDocument::fromJson(readString(sentKey).toUtf8()).object();
    for (auto it = sent.begin(); it != sent.end(); ++it) {
        const QJsonArray entry = it.value().toArray();
        out.insert(it.key(), {entry.at(0).toString(), entry.at(1).toString().toUtf8()});
    }
    return out;
}

bool SettingsStore::setSentCards(const QMap<QString, QPair<QString, QByteArray>>& sent)
{
    QJsonObject json;
    for (auto it = sent.begin(); it != sent.end(); ++it)
        json.insert(it.key(), QJsonArray{it->first, QString::fromUtf8(it->second)});
    return write(sentKey,
                 sent.isEmpty() ? QString() : QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)));
}

QStringList SettingsStore::accountOrigins() const
{
    return readString(originsKey).split(u' ', Qt::SkipEmptyParts);
}

bool SettingsStore::setAccountOrigins(const QStringList& origins)
{
    return write(originsKey, origins.join(u' '));
}

// One entry for all: {"<origin>": ["<fingerprint>", ...], ...}.
QMap<QString, QStringList> SettingsStore::trustedCertificatesByOrigin() const
{
    QMap<QString, QStringList> out;
    const QJsonObject trusted = QJsonDocument::fromJson(readString(trustedByOriginKey).toUtf8()).object();
    for (auto it = trusted.begin(); it != trusted.end(); ++it)
        out.insert(it.key(), it.value().toVariant().toStringList());
    return out;
}

bool SettingsStore::setTrustedCertificatesByOrigin(const QMap<QString, QStringList>& fingerprints)
{
    QJsonObject json;
    for (auto it = fingerprints.begin(); it != fingerprints.end(); ++it)
        json.insert(it.key(), QJsonArray::fromStringList(*it));
    return write(trustedByOriginKey, QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)));
}
