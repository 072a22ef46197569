#include "settings/SettingsStore.h"

#include "core/AppInfo.h"
#include "settings/IniFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
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
const QString serverCopyKey = QStringLiteral("ServerCopy");
const QString trustedKey = QStringLiteral("TrustedCertificates");
const QString originsKey = QStringLiteral("AddressBookOrigins");
const QString trustedByOriginKey = QStringLiteral("TrustedCertificatesByOrigin");

bool readStore(QIODevice& device, QSettings::SettingsMap& map)
{
    return IniFormat::read(device.readAll(), map);
}

// Qt reads the store's file and the files it falls back on; the store
// writes its file itself.
bool refuseWrite(QIODevice&, const QSettings::SettingsMap&)
{
    return false;
}

QSettings::Format storeFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStore, refuseWrite, Qt::CaseSensitive);
    return format;
}

// A running copy holds the lock only while it writes.
constexpr int lockWaitMilliseconds = 300;

// A new file beside @p path with a name Qt's writer would give it, so that
// one a crash leaves is removed at start; -1 when none can be made.
int createTemporaryBeside(const QByteArray& path, QByteArray& name)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + '.';
        for (int i = 0; i < 6; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

/**
 * Qt's lock file as QLockFile makes it, held for one write: locked by its
 * owner, the owner named inside. It is made whole and locked under another
 * name and only then linked into place, so no copy ever finds it unlocked
 * and takes it for abandoned while its owner is still taking it. Unlike
 * QLockFile it is not synced to the disk, which cost as much as the write
 * itself: a lock file a crash leaves is one nobody holds, cleared as
 * abandoned.
 */
class WriteLock {
public:
    /// Waits at most @p milliseconds for a running copy's lock to go.
    WriteLock(QByteArray path, int milliseconds) : m_path(std::move(path))
    {
        QByteArray made;
        const int fd = createTemporaryBeside(m_path, made);
        if (fd < 0)
            return;
        // Qt's lock file names its owner: process, program, machine.
        static const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                        QCoreApplication::applicationName().toUtf8() + '\n' +
                                        QSysInfo::machineHostName().toUtf8() + '\n';
        bool ready = ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                     ::write(fd, owner.constData(), size_t(owner.size())) == ssize_t(owner.size());
        QDeadlineTimer deadline(milliseconds);
        while (ready && m_fd < 0) {
            if (::link(made.constData(), m_path.constData()) == 0) {
                m_fd = fd;
                break;
            }
            const SettingsStore::Lock lock = errno == EEXIST
                                                 ? SettingsStore::clearAbandonedLock(QFile::decodeName(m_path))
                                                 : SettingsStore::Lock::Stuck;
            ready = lock == SettingsStore::Lock::Free || (lock == SettingsStore::Lock::Held && !deadline.hasExpired());
            if (ready && lock == SettingsStore::Lock::Held)
                QThread::msleep(5);
        }
        ::unlink(made.constData());
        if (m_fd < 0)
            ::close(fd);
    }
    ~WriteLock()
    {
        // Removed while still locked: another copy that finds the file then
        // cannot take it for an abandoned one and remove it under the next owner.
        if (m_fd >= 0) {
            ::unlink(m_path.constData());
            ::close(m_fd);
        }
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    QByteArray m_path;
    int m_fd = -1;
};

// Writes @p bytes to a new file beside @p fileName, syncs it and renames it
// over, as QSaveFile does (a link is followed, the old file's permissions
// kept) but with one sync, not two. Returns the new file, still open, or
// -1 when it could not be written: the old file is then as it was.
// @p old, the old file held open, is let go just before the rename.
int replaceFile(const QString& fileName, const QByteArray& bytes, SeenFile& old)
{
    QFileInfo target(fileName);
    for (int depth = 0; depth < 128 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    const QByteArray path = QFile::encodeName(target.filePath());
    struct stat status {};
    const bool replacing = ::stat(path.constData(), &status) == 0;
    QByteArray temporary;
    const int fd = createTemporaryBeside(path, temporary);
    // Every byte must be on the disk before the file replaces the old one.
    bool ok = fd >= 0 && (!replacing || ::fchmod(fd, status.st_mode & 07777) == 0);
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        ok = n > 0 || (n < 0 && errno == EINTR);
        done += std::max<ssize_t>(n, 0);
    }
    if (ok && ::fdatasync(fd) == 0) {
        // Still named, the old file's number cannot go to another file; let
        // go now, it is freed by the rename like any file replaced, not
        // kept as an open orphan to be freed at its close, which changes
        // the disk's records a second time.
        old = SeenFile();
        if (::rename(temporary.constData(), path.constData()) == 0)
            return fd;
    }
    if (fd >= 0) {
        ::unlink(temporary.constData());
        ::close(fd);
    }
    return -1;
}

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

SettingsStore::SettingsStore(std::function<std::unique_ptr<QSettings>()> open) : m_settings(open())
{
    removeAbandonedTemporaries();
    if (!readFile())
        moveUnreadableAside();
}

SettingsStore::~SettingsStore() = default;

// Reads the store's own file (Qt's entries also hold the files it falls
// back on). Returns false when the file holds bytes but nothing readable.
bool SettingsStore::readFile()
{
    const QByteArray path = QFile::encodeName(m_settings->fileName());
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // None yet: the first write makes it. Unreadable: read again at each write.
        m_seen = errno == ENOENT ? SeenFile() : SeenFile(-1);
        return true;
    }
    m_seen = SeenFile(::dup(fd));
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray bytes = file.readAll();
    QSettings::SettingsMap map;
    if (!IniFormat::read(bytes, map))
        return bytes.isEmpty();
    m_entries = IniFormat::Encoded(map);
    return true;
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
    if (QFile::rename(file, aside))
        m_movedAside = aside;
    m_seen = SeenFile();
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
    const QVariant value = m_entries.map().contains(key) ? m_entries.map().value(key) : m_settings->value(key);
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
    return m_entries.map().contains(tabPageKey) || m_settings->contains(tabPageKey) ? readString(tabPageKey)
                                                                                    : QStringLiteral("0");
}

// Qt's lock file names its owner, and the owner holds an advisory lock on it
// from right after creating it until it removes it. When that advisory lock
// can be taken, no running copy owns the file: it was left empty, garbled or
// whole by a copy that died, and Qt itself would wait half a minute for it
// to age, then for ever when it cannot remove it. (Only QLockFile shows
// the file for a few instructions before locking it; this store links its
// lock into place already locked.)
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

bool SettingsStore::write(const QString& key, const QString& value)
{
    m_pending.insert(key, value);
    takePending();
    // A write that cannot have the lock soon fails now, and what it
    // carried goes with the next one. The first write makes the folder, as
    // Qt's own writer did: only a write that failed looks for it.
    if (!lockAndWrite()) {
        const QString folder = QFileInfo(m_settings->fileName()).path();
        if (QFileInfo::exists(folder) || !QDir().mkpath(folder) || !lockAndWrite())
            return false;
    }
    m_pending.clear();
    return true;
}

bool SettingsStore::lockAndWrite()
{
    const WriteLock lock(QFile::encodeName(m_settings->fileName() + QStringLiteral(".lock")), lockWaitMilliseconds);
    return lock.held() && writeFile();
}

void SettingsStore::takePending()
{
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        m_entries.insert(it.key(), it.value());
}

// Under the lock. Another copy's entries are read in only when it has
// written since this one last read or wrote; a file that cannot be read
// any more is replaced by what this copy knows.
bool SettingsStore::writeFile()
{
    const QString fileName = m_settings->fileName();
    if (!m_seen.isCurrent(QFile::encodeName(fileName))) {
        readFile();
        takePending();
    }
    const int written = replaceFile(fileName, m_entries.text(), m_seen);
    if (written < 0)
        return false;
    m_seen = SeenFile(written);
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

// ["<resource>", "<ETag>"], or nothing.
QPair<QString, QByteArray> SettingsStore::serverCopy() const
{
    const QJsonArray copy = QJsonDocument::fromJson(readString(serverCopyKey).toUtf8()).array();
    return {copy.at(0).toString(), copy.at(1).toString().toUtf8()};
}

bool SettingsStore::setServerCopy(const QString& resource, const QByteArray& etag)
{
    if (resource.isEmpty())
        return write(serverCopyKey, QString());
    const QJsonArray copy{resource, QString::fromUtf8(etag)};
    return write(serverCopyKey, QString::fromUtf8(QJsonDocument(copy).toJson(QJsonDocument::Compact)));
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
