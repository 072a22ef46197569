// Child process for tests that must cut a write short or kill a writer.
//
//   write-limited LIMIT TARGET SIZE  replace TARGET by SIZE bytes while the
//                                    process may write at most LIMIT bytes
//   photo-limited LIMIT PHOTO        print the PHOTO block of PHOTO while the
//                                    process may write at most LIMIT bytes
//   settings-limited LIMIT FILE FIELD SIZE
//                                    while the process may write at most
//                                    LIMIT bytes, write SIZE letters into
//                                    field FIELD; after a line on standard
//                                    input, lift the limit and write "ok"
//                                    into field 0; print "written" or
//                                    "refused" after each write
//   settings-loop FILE FIELD [PAUSE] write field FIELD = 1, 2, 3... for ever,
//                                    printing each number once it is stored,
//                                    resting PAUSE milliseconds in between
//   settings-write FILE FIELD TEXT   write one field once
//   keyring-check SERVICE KEY PASSWORD
//                                    exit 0 when the keyring holds PASSWORD as
//                                    SERVICE and KEY ("" for PASSWORD: none)
//   keyring-write SERVICE KEY PASSWORD
//                                    store PASSWORD there, as older versions did
//   write-card FORMAT CONTACT OUT    write the contact of the JSON file CONTACT
//                                    ({"fields": [26 texts], "flags": [6],
//                                    "birthday": "yyyy-MM-dd", "uid"}) as OUT in
//                                    FORMAT: 2.1-ansi (code page 1252), 2.1-utf8,
//                                    3.0 or 4.0
#include "carddav/PasswordStore.h"
#include "core/ContactSource.h"
#include "core/Error.h"
#include "photo/PhotoBlock.h"
#include "settings/SettingsStore.h"
#include "vcard/CardFile.h"
#include "vcard/ModernCard.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <utility>

using F = ContactSource::Field;

namespace {

// Only the soft limit, so that the process may lift it again.
void limitFileSize(rlim_t bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = std::min(bytes, limit.rlim_max);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
}

/// Runs @p write while the process may write at most @p limit bytes to a
/// file; an Error is printed and gives exit code 3.
int limited(const QString& limit, const std::function<void()>& write)
{
    limitFileSize(limit.toULong());
    try {
        write();
    } catch (const Error& error) {
        std::printf("%s\n", qPrintable(error.description()));
        return 3;
    }
    return 0;
}

int writeLimited(const QStringList& args)
{
    return limited(args[2], [&] { CardFile::writeReplacing(args[3], QByteArray(args[4].toLongLong(), 'n')); });
}

int photoLimited(const QStringList& args)
{
    return limited(args[2], [&] { std::fputs(qPrintable(PhotoBlock::build(args[3])), stdout); });
}

int settingsLimited(const QStringList& args)
{
    limitFileSize(args[2].toULong());
    SettingsStore store(args[3]);
    const auto report = [](bool written) {
        std::printf("%s\n", written ? "written" : "refused");
        std::fflush(stdout);
    };
    report(store.setFieldText(args[4].toInt(), QString(args[5].toInt(), u'x')));
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return 2;
    limitFileSize(RLIM_INFINITY);
    report(store.setFieldText(F::LastName, QStringLiteral("ok")));
    return 0;
}

int settingsLoop(const QStringList& args)
{
    SettingsStore store(args[2]);
    const int field = args[3].toInt();
    const unsigned long pause = args.size() > 4 ? args[4].toULong() : 0;
    for (long n = 1;; ++n) {
        if (!store.setFieldText(field, QString::number(n)))
            return 4;
        std::printf("%ld\n", n);
        std::fflush(stdout);
        QThread::msleep(pause);
    }
}

int settingsWrite(const QStringList& args)
{
    SettingsStore store(args[2]);
    return store.setFieldText(args[3].toInt(), args[4]) ? 0 : 4;
}

int keyringCheck(const QStringList& args)
{
    PasswordStore passwords;
    int result = 5;
    passwords.read({args[2], args[3]}, [&](std::optional<QString> password, const QString& failure) {
        if (!failure.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        result = password.value_or(QString()) == args[4] ? 0 : 4;
        QCoreApplication::quit();
    });
    if (result == 5)
        QCoreApplication::exec();
    return result;
}

int keyringWrite(const QStringList& args)
{
    PasswordStore passwords;
    int result = 5;
    passwords.write({args[2], args[3]}, args[4], [&](const QString& failure) {
        if (!failure.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        result = failure.isEmpty() ? 0 : 4;
        QCoreApplication::quit();
    });
    if (result == 5)
        QCoreApplication::exec();
    return result;
}

int writeCard(const QStringList& args)
{
    QFile in(args[3]);
    if (!in.open(QIODevice::ReadOnly))
        return 2;
    const QJsonObject json = QJsonDocument::fromJson(in.readAll()).object();
    ContactRecord c;
    for (int i = 0; i < ContactSource::FieldCount; ++i)
        c.fields[i] = json["fields"].toArray().at(i).toString();
    for (int k = 0; k < ContactSource::FlagCount; ++k)
        c.flags[k] = json["flags"].toArray().at(k).toBool();
    c.birthDate = QDate::fromString(json["birthday"].toString(), Qt::ISODate);
    c.uidText = json["uid"].toString();
    const QDateTime now = QDateTime::currentDateTime();
    const QString format = args[2];
    QByteArray bytes;
    if (format == u"3.0" || format == u"4.0")
        bytes = ModernCard::build(c, format == u"3.0" ? CardVersion::V30 : CardVersion::V40, now);
    else
        bytes = CardFile::forContact(c, now, format == u"2.1-utf8" ? CardEncoding::Utf8 : CardEncoding::Ansi, 1252);
    CardFile::writeReplacing(args[4], bytes);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == u"write-limited")
        return writeLimited(args);
    if (args.size() == 6 && args[1] == u"settings-limited")
        return settingsLimited(args);
    if (args.size() == 4 && args[1] == u"photo-limited")
        return photoLimited(args);
    if ((args.size() == 4 || args.size() == 5) && args[1] == u"settings-loop")
        return settingsLoop(args);
    if (args.size() == 5 && args[1] == u"settings-write")
        return settingsWrite(args);
    if (args.size() == 5 && args[1] == u"keyring-check")
        return keyringCheck(args);
    if (args.size() == 5 && args[1] == u"keyring-write")
        return keyringWrite(args);
    if (args.size() == 5 && args[1] == u"write-card")
        return writeCard(args);
    std::fprintf(stderr, "usage: see the comment at the top of TestHelper.cpp\n");
    return 2;
}
