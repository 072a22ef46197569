// make bench: every cost a user feels, each beside its floor or yardstick
// measured in the same run, with its budget. One table, PASS or OVER.
//
// Hidden options, for the start-up rows only (this program runs itself):
//   --startup real|minimal N   show the window (the plain one with N
//                              widgets), exit at its first paint
//   --memory utf8|ansi PHOTO CARD   save a card with PHOTO to CARD and print
//                                   the growth of the resident set
#include "BenchStartup.h"
#include "Measure.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "core/ContactSource.h"
#include "core/Dialogs.h"
#include "photo/PhotoBlock.h"
#include "photo/SaveAsJPG.h"
#include "photo/clsB64.h"
#include "qr/QrCode.h"
#include "qr/QrImage.h"
#include "settings/SettingsStore.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"
#include "vcard/CardFile.h"
#include "vcard/CodePage.h"
#include "vcard/ModernCard.h"
#include "vcard/modFile.h"
#include "vcard/modVCard.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#ifdef QUILLMERE_HAVE_OPENSSL
#include <openssl/evp.h>
#endif

using namespace Measure;

namespace {

QByteArray randomBytes(qsizetype n, quint32 seed = 1)
{
    QByteArray bytes(n, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32*>(bytes.data()), n / 4);
    return bytes;
}

/// A file the program embeds as it is: JPEG's first bytes, then noise.
QString writeJpegLike(const QString& path, qsizetype size)
{
    QByteArray bytes = randomBytes(size);
    std::memcpy(bytes.data(), "\xFF\xD8\xFF\xE0", 4);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

ContactRecord contactWithPhoto(const QString& photo)
{
    ContactRecord c;
    c.fields[0] = QStringLiteral("Marlow");
    c.fields[1] = QStringLiteral("Tessa");
    c.fields[3] = QStringLiteral("Harbor & Finch; Ltd.");
    c.fields[24] = photo;
    c.birthDate = QDate(1984, 3, 7);
    return c;
}

const QDateTime now(QDate(2025, 1, 14), QTime(9, 30, 5));

/// What "Save As ... File" does once the dialog has closed.
void saveCard(const ContactSource& contact, CardEncoding encoding, const QString& target)
{
    CardFile::writeReplacing(target, CardFile::forContact(contact, now, encoding, 1252));
}

/// Writes @p bytes to a new file beside @p target, syncs it and renames it over.
void writeSyncRename(const QString& target, const QByteArray& bytes)
{
    const QByteArray temporary = QFile::encodeName(target + QStringLiteral(".new"));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        std::abort();
    ::fdatasync(fd);
    ::close(fd);
    ::rename(temporary.constData(), QFile::encodeName(target).constData());
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void base64(Table& table)
{
    const clsB64 encoder;
    for (qsizetype size : {qsizetype(1) << 20, qsizetype(20) << 20}) {
        const QByteArray input = randomBytes(size);
        QByteArray codes;
        QByteArray out((size + 2) / 3 * 4 + 1, Qt::Uninitialized);
        QByteArray copy(size, Qt::Uninitialized);
        const int runs = size > (1 << 20) ? 41 : 101;
        const Timing ours = time(runs, [&] { encoder.Encode(input, codes); });
        const Timing memcpyTime = time(runs, [&] { std::memcpy(copy.data(), input.constData(), size_t(size)); });
        const QString name = QStringLiteral("Base64 %1 MB").arg(size >> 20);
        table.note(name + QStringLiteral(": memcpy of the input %1").arg(throughput(size, memcpyTime.median)));
#ifdef QUILLMERE_HAVE_OPENSSL
        const Timing openssl = time(runs, [&] {
            EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                            reinterpret_cast<const unsigned char*>(input.constData()), int(size));
        });
        table.speedup(name, throughput(size, ours.median), "EVP_EncodeBlock " + throughput(size, openssl.median),
                      openssl.median / ours.median, 3.0);
#else
        table.note(name + QStringLiteral(": OpenSSL not found, no yardstick"));
#endif
    }
}

void wholeSave(Table& table, const QString& folder)
{
    const QString photo = writeJpegLike(folder + QStringLiteral("/photo10.jpg"), 10 << 20);
    const ContactRecord contact = contactWithPhoto(photo);
    for (const auto& [encoding, label] : {std::pair{CardEncoding::Utf8, "UTF-8"}, {CardEncoding::Ansi, "ANSI"}}) {
        const QString target = folder + QStringLiteral("/card.vcf");
        saveCard(contact, encoding, target);
        const qsizetype cardSize = QFileInfo(target).size();
        const QByteArray cardBytes = randomBytes(cardSize, 3);
        const Timing ours = time(11, [&] { saveCard(contact, encoding, target); });
        const Timing floor = time(11, [&] {
            readWhole(photo);
            writeSyncRename(folder + QStringLiteral("/floor.vcf"), cardBytes);
        });
        table.cost(QStringLiteral("Save, 10 MB photo, %1").arg(label), ms(ours.median),
                   "read photo, write + sync card " + ms(floor.median), ours.median / floor.median, 2.0);
    }
}

/// The child of the memory rows: saves the card with the photo @p photo
/// and prints how much the resident set grew meanwhile, in bytes.
int saveAndReportGrowth(const QString& photo, const QString& target, bool utf8)
{
    const ContactRecord contact = contactWithPhoto(photo);
    const qint64 before = residentKiB();
    resetPeak();
    saveCard(contact, utf8 ? CardEncoding::Utf8 : CardEncoding::Ansi, target);
    std::printf("%lld\n", (peakKiB() - before) * 1024);
    return 0;
}

void modernWriters(Table& table, const QString& folder)
{
    const ContactRecord contact = contactWithPhoto(writeJpegLike(folder + QStringLiteral("/photo1.jpg"), 1 << 20));
    const Timing designed = time(51, [&] { CardFile::forContact(contact, now, CardEncoding::Utf8, 1252); });
    for (const auto& [version, label] : {std::pair{CardVersion::V30, "3.0"}, {CardVersion::V40, "4.0"}}) {
        const Timing ours = time(51, [&] { ModernCard::build(contact, version, now); });
        table.cost(QStringLiteral("vCard %1 card, 1 MB photo").arg(label), ms(ours.median),
                   "the 2.1 card (UTF-8) " + ms(designed.median), ours.median / designed.median, 1.2);
    }
}

void qrCode(Table& table)
{
    for (const qsizetype size : {300, 1024, 2300}) {
        ContactRecord c = contactWithPhoto(QString());
        c.fields[18] = QStringLiteral("+1 555 0100");
        c.fields[ContactSource::Notes] = QStringLiteral("n");
        const qsizetype base = ModernCard::build(c, CardVersion::V30, now, false).size();
        c.fields[ContactSource::Notes] = QString(std::max<qsizetype>(1, (size - base) * 74 / 77), u'n');
        const QByteArray payload = ModernCard::build(c, CardVersion::V30, now, false);
        const std::optional<QrCode> code = QrCode::encode(payload, QrCode::Level::M);
        const Timing made = time(51, [&] { ModernCard::build(c, CardVersion::V30, now, false); });
        const Timing encoded = time(51, [&] { QrCode::encode(payload, QrCode::Level::M); });
        const int pixels = std::max(1, 380 / QrImage::modulesAcross(*code));  // the window's default size
        const Timing drawn = time(51, [&] { QrImage::image(*code, pixels); });
        const double total = made.median + encoded.median + drawn.median;
        table.limit(QStringLiteral("QR code, %1 B card: payload %2, drawing %3; in all")
                        .arg(payload.size())
                        .arg(ms(made.median), ms(drawn.median)),
                    ms(total), "libqrencode's encoding " + ms(encoded.median), total / encoded.median, total * 1e3,
                    size == 2300 ? 8.0 : 0.0);
    }
}

/// The account dialog answered, every box taken as read.
class BenchDialogs : public Dialogs {
public:
    explicit BenchDialogs(AccountAnswer account) : m_account(std::move(account)) {}
    void message(const MessageBox&) override {}
    bool askYesNo(const MessageBox&) override { return false; }
    std::optional<int> choose(const ChoiceBox&) override { return 0; }
    std::optional<AccountAnswer> askAccount(const AccountBox&) override { return m_account; }

protected:
    std::optional<FileChoice> askSaveFileName(const FileDialogSettings&) override { return std::nullopt; }
    std::optional<FileChoice> askOpenFileName(const FileDialogSettings&) override { return std::nullopt; }

private:
    AccountAnswer m_account;
};

void cardDavSend(Table& table, const QString& folder)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    QFile config(folder + QStringLiteral("/radicale.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = none\n[storage]\nfilesystem_folder = "
                                "%2/radicale\n[rights]\ntype = owner_only\n[logging]\nlevel = warning\n")
                     .arg(port)
                     .arg(folder)
                     .toUtf8());
    config.close();
    QProcess radicale;
    radicale.start(QStringLiteral("radicale"), {QStringLiteral("--config"), config.fileName()});
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(port);
    const QString book = url + QStringLiteral("/tessa/contacts/");
    bool up = false;
    for (int i = 0; i < 100 && !up; ++i) {
        QThread::msleep(100);
        up = QProcess::execute(QStringLiteral("curl"),
                               {"-s", "-o", "/dev/null", "-u", "tessa:x", "-X", "MKCOL", "--data",
                                "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:"
                                "carddav\"><D:set><D:prop><D:resourcetype><D:collection/><C:addressbook/>"
                                "</D:resourcetype></D:prop></D:set></D:mkcol>",
                                book}) == 0;
    }
    if (!up) {
        table.note(QStringLiteral("CardDAV send: Radicale did not start, no figure"));
        return;
    }
    ContactRecord contact = contactWithPhoto(writeJpegLike(folder + QStringLiteral("/photo100.jpg"), 100 << 10));
    contact.uidText = QStringLiteral("urn:uuid:5e1c0d6a-8f2b-4c3d-9a7e-0b1c2d3e4f50");
    SettingsStore store(folder + QStringLiteral("/send.conf"));
    BenchDialogs dialogs({url, QStringLiteral("tessa"), QStringLiteral("x"), false});
    PasswordStore passwords;
    SendCommand command(store, dialogs, passwords);
    const auto send = [&] {
        command.send(contact, now);
        while (command.running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    send();  // finds the address book, creates the card
    const Timing ours = time(21, send);
    const QString card = folder + QStringLiteral("/sent.vcf");
    QFile out(card);
    out.open(QIODevice::WriteOnly);
    out.write(ModernCard::build(contact, CardVersion::V30, now));
    out.close();
    const QString resource = book + QStringLiteral("5e1c0d6a-8f2b-4c3d-9a7e-0b1c2d3e4f50.vcf");
    const Timing curl = time(21, [&] {
        QProcess::execute(QStringLiteral("curl"), {"-s", "-o", "/dev/null", "-u", "tessa:x", "-T", card, "-H",
                                                   "Content-Type: text/vcard; charset=utf-8", resource});
    });
    table.cost(QStringLiteral("CardDAV send to Radicale, 100 KB photo"), ms(ours.median),
               "curl, the same PUT " + ms(curl.median), ours.median / curl.median, 1.5);
    radicale.terminate();
    radicale.waitForFinished();
}

void saveMemory(Table& table, const QString& folder, const QString& program)
{
    const qsizetype size = 20 << 20;
    const QString photo = writeJpegLike(folder + QStringLiteral("/photo20.jpg"), size);
    for (const auto& [encoding, label] : {std::pair{"utf8", "UTF-8"}, {"ansi", "ANSI"}}) {
        // A process of its own, so that nothing else the report did counts.
        QProcess child;
        child.start(program, {QStringLiteral("--memory"), QString::fromLatin1(encoding), photo,
                              folder + QStringLiteral("/mem.vcf")});
        child.waitForFinished(60000);
        const qint64 growth = child.readAllStandardOutput().trimmed().toLongLong();
        table.cost(QStringLiteral("Peak memory of a save, 20 MB photo, %1").arg(label), mib(growth),
                   "the photo " + mib(size), double(growth) / double(size), 3.0);
    }
}

void bmpToJpeg(Table& table, const QString& folder)
{
    const QString cjpeg = QStringLiteral("/usr/bin/cjpeg");
    for (const auto& [width, height] : {std::pair{4000, 3000}, {1200, 900}}) {
        QImage image(width, height, QImage::Format_RGB888);
        for (int y = 0; y < height; ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < width * 3; ++x)
                line[x] = uchar((x * 7 + y * 3 + (x * y) % 31) & 0xff);
        }
        const QString bmp = folder + QStringLiteral("/p%1.bmp").arg(width);
        image.save(bmp, "BMP");
        const double megapixels = width * height / 1e6;
        const QString name = QStringLiteral("BMP to JPEG, %1 MP").arg(megapixels, 0, 'f', 0);
        // What cjpeg does: read the BMP, decode it, encode the JPEG.
        const Timing ours = time(7, [&] { PhotoBlock::jpegOf(bmp); });
        if (!QFileInfo(cjpeg).isExecutable()) {
            table.note(name + ": no cjpeg (libjpeg-turbo-progs) to compare with");
            continue;
        }
        const Timing theirs = time(7, [&] {
            QProcess::execute(cjpeg, {"-quality", "75", "-outfile", "/dev/null", bmp});
        });
        table.cost(name, ms(ours.median), "cjpeg -quality 75 " + ms(theirs.median), ours.median / theirs.median,
                   width == 4000 ? 1.2 : 0.0);
    }
}

void keystroke(Table& table, const QString& folder)
{
    for (qsizetype note : {0, 32 << 10, 256 << 10}) {
        const QString file = folder + QStringLiteral("/store%1.conf").arg(note);
        SettingsStore store(file);
        for (int i = 0; i < ContactSource::FieldCount; ++i)
            store.setFieldText(i, i == ContactSource::Notes ? QString(note, u'n') : QStringLiteral("field %1").arg(i));
        int n = 0;
        const Timing ours = time(201, [&] { store.setFieldText(0, QStringLiteral("Marlow%1").arg(++n)); });
        const QByteArray same = readWhole(file);
        const Timing floor = time(201, [&] { writeSyncRename(folder + QStringLiteral("/floor.conf"), same); });
        const double budget = note == (32 << 10) ? 6.0 : note == (256 << 10) ? 16.0 : 0.0;
        table.limit(QStringLiteral("Keystroke, note of %1 KB: median %2, p99").arg(note >> 10).arg(ms(ours.median)),
                    ms(ours.p99), "write + fdatasync + rename: median " + ms(floor.median) + ", p99 " + ms(floor.p99),
                    ours.p99 / floor.p99, ours.p99 * 1e3, budget);
    }
}

void ansi(Table& table)
{
    for (const auto& [label, share] : {std::pair{"none", 0}, {"half", 1}, {"all", 2}}) {
        QString text;
        text.reserve(1000000);
        for (int i = 0; i < 1000000; ++i) {
            const bool inPage = share == 2 || (share == 1 && i % 2 == 0);
            text += inPage ? QChar(0xE0 + i % 30) : QChar(0x4E00 + i % 3000);
        }
        const Timing ours = time(5, [&] { CodePage::fromUnicode(text, 1252); });
        const Timing utf8 = time(5, [&] { modFile::ToUTF8(text); });
        table.cost(QStringLiteral("ANSI 1252, 1,000,000 characters, %1 in the page").arg(label), ms(ours.median),
                   "UTF-8 of the same " + ms(utf8.median), ours.median / utf8.median, 10.0);
    }
}

void startup(Table& table, const QString& program)
{
    QTemporaryDir empty;
    QTemporaryDir full;
    {
        SettingsStore store(full.filePath(QStringLiteral("Veltrask/Quillmere.conf")));
        for (int i = 0; i < ContactSource::FieldCount; ++i)
            store.setFieldText(i, QStringLiteral("field %1 of the remembered form").arg(i));
    }
    QtDialogs dialogs;
    const int widgets = int(Form1(dialogs, [] { return now; }).findChildren<QWidget*>().size());
    table.note(
        QStringLiteral("Start-up: the window has %1 widgets; both are shown on the offscreen platform.").arg(widgets));
    const auto launch = [&](const char* which, const QString& config) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        return time(15, [&] {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(program, {QStringLiteral("--startup"), QString::fromLatin1(which), QString::number(widgets)});
            p.waitForFinished(30000);
        });
    };
    const Timing minimal = launch("minimal", empty.path());
    for (const auto& [label, config] : {std::pair{"empty", empty.path()}, {"full", full.path()}}) {
        const Timing real = launch("real", config);
        table.cost(QStringLiteral("Start-up to the first paint, %1 store").arg(label), ms(real.median),
                   "a plain window, as many widgets " + ms(minimal.median), real.median / minimal.median, 1.25);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--memory") == 0)
        return saveAndReportGrowth(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                                   std::strcmp(argv[2], "utf8") == 0);
    if (argc == 4 && std::strcmp(argv[1], "--startup") == 0)
        return BenchStartup::run(argc, argv, std::strcmp(argv[2], "real") == 0, std::atoi(argv[3]));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Table table;
    base64(table);
    wholeSave(table, folder.path());
    modernWriters(table, folder.path());
    qrCode(table);
    cardDavSend(table, folder.path());
    saveMemory(table, folder.path(), QCoreApplication::applicationFilePath());
    bmpToJpeg(table, folder.path());
    keystroke(table, folder.path());
    ansi(table);
    startup(table, QCoreApplication::applicationFilePath());
    table.print();
    return 0;
}
