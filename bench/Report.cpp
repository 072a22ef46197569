// make bench: every cost a user feels, each beside its floor or yardstick
// measured in the same run, with its budget. One table, PASS or OVER.
//
// Arguments: the groups of rows to measure (base64 save modern qr carddav book
// memory jpeg keystroke notes search open ansi startup; lastname, the first rows
// of keystroke alone); none, all of them.
//
// Hidden options, for the start-up rows only (this program runs itself):
//   --startup real|plain|captioned|blank N
//                              show the window (labels: N of them), print
//                              when its first paint ends, exit
//   --memory utf8|ansi PHOTO CARD   save a card with PHOTO to CARD and print
//                                   the growth of the resident set
//   --open-memory CARD PHOTOS       open CARD, store its photo in PHOTOS and
//                                   print the growth of the resident set
//   --book-memory BOOK              list the address book at BOOK and print
//                                   the growth of the resident set
#include "AddressBookBench.h"
#include "AddressBookListing.h"
#include "BenchStartup.h"
#include "EndlessReply.h"
#include "Measure.h"
#include "app/Program.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "core/ContactSource.h"
#include "core/Dialogs.h"
#include "document/ContactSession.h"
#include "photo/PhotoBlock.h"
#include "photo/SaveAsJPG.h"
#include "photo/clsB64.h"
#include "qr/QrCode.h"
#include "qr/QrImage.h"
#include "settings/SettingsStore.h"
#include "ui/Form1.h"
#include "ui/NotesEdit.h"
#include "ui/QtDialogs.h"
#include "vcard/CardFile.h"
#include "vcard/CodePage.h"
#include "vcard/ModernCard.h"
#include "vcard/OpenCommand.h"
#include "vcard/modFile.h"
#include "vcard/modVCard.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

#ifdef QUILLMERE_HAVE_OPENSSL
#include <openssl/evp.h>

using F = ContactSource::Field;
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
    c.fields[F::LastName] = QStringLiteral("Marlow");
    c.fields[F::FirstName] = QStringLiteral("Tessa");
    c.fields[F::Company] = QStringLiteral("Harbor & Finch; Ltd.");
    c.fields[F::PhotoPath] = photo;
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
        const Timing memcpyTime = time(runs, [&] { std::memcpy(copy.data(), input.constData(), size_t(size)); });
        const QString name = QStringLiteral("Base64 %1 MB").arg(size >> 20);
        table.note(name + QStringLiteral(": memcpy of the input %1").arg(throughput(size, memcpyTime.median)));
#ifdef QUILLMERE_HAVE_OPENSSL
        const auto [ours, openssl] = compare(
            runs, [&] { encoder.Encode(input, codes); },
            [&] {
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
        const auto [ours, floor] = compare(
            51, [&] { saveCard(contact, encoding, target); },
            [&] {
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
    for (const auto& [version, label] : {std::pair{CardVersion::V30, "3.0"}, {CardVersion::V40, "4.0"}}) {
        const auto [ours, designed] = compare(
            51, [&] { ModernCard::build(contact, version, now); },
            [&] { CardFile::forContact(contact, now, CardEncoding::Utf8, 1252); });
        table.cost(QStringLiteral("vCard %1 card, 1 MB photo").arg(label), ms(ours.median),
                   "the 2.1 card (UTF-8) " + ms(designed.median), ours.median / designed.median, 1.2);
    }
}

void qrCode(Table& table)
{
    for (const qsizetype size : {300, 1024, 2300}) {
        ContactRecord c = contactWithPhoto(QString());
        c.fields[F::HomeVoice] = QStringLiteral("+1 555 0100");
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
    std::optional<Comparison> compare(const ComparisonBox&) override { return Comparison::KeepMine; }
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
    const QString card = folder + QStringLiteral("/sent.vcf");
    QFile out(card);
    out.open(QIODevice::WriteOnly);
    out.write(ModernCard::build(contact, CardVersion::V30, now));
    out.close();
    const QString resource = book + QStringLiteral("5e1c0d6a-8f2b-4c3d-9a7e-0b1c2d3e4f50.vcf");
    const auto [ours, curl] = compare(21, send, [&] {
        // No "Expect: 100-continue": curl would wait a second for an answer Radicale never sends.
        QProcess::execute(QStringLiteral("curl"),
                          {"-s", "-o", "/dev/null", "-u", "tessa:x", "-T", card, "-H",
                           "Content-Type: text/vcard; charset=utf-8", "-H", "Expect:", resource});
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
        const auto growth = qint64(agreed<double>([&] {
            QProcess child;
            child.start(program, {QStringLiteral("--memory"), QString::fromLatin1(encoding), photo,
                                  folder + QStringLiteral("/mem.vcf")});
            child.waitForFinished(60000);
            return child.readAllStandardOutput().trimmed().toDouble();
        }));
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
        if (!QFileInfo(cjpeg).isExecutable()) {
            table.note(name + ": no cjpeg (libjpeg-turbo-progs) to compare with");
            continue;
        }
        const auto [ours, theirs] = compare(
            15, [&] { PhotoBlock::jpegOf(bmp); },
            [&] {
                QProcess::execute(cjpeg, {"-quality", "75", "-outfile", "/dev/null", bmp});
            });
        table.cost(name, ms(ours.median), "cjpeg -quality 75 " + ms(theirs.median), ours.median / theirs.median,
                   width == 4000 ? 1.2 : 0.0);
    }
}

/// The program as main() wires it, its store in @p config (full: every
/// field filled, the notes @p notes), shown on the page of @p page.
struct Shown {
    Shown(const QString& config, const QString& notes, int page) : home("XDG_CONFIG_HOME", config)
    {
        {
            SettingsStore store;
            for (int i = 0; i < ContactSource::FieldCount; ++i)
                store.setFieldText(i, i == ContactSource::Notes ? notes : QStringLiteral("field %1").arg(i));
            store.setTabPage(page);
        }
        program.emplace();
        program->services().drawNumber = [] { return 1; };
        program->start();
        (void)QTest::qWaitForWindowExposed(&program->form());
    }
    ~Shown() { program.reset(); }

    /// Typing one key where @p box has the focus, and all it sets going, painting included.
    void key(int box)
    {
        QTest::keyClick(program->form().txtTextbox(box), Qt::Key_A);
        QCoreApplication::processEvents();
    }

    struct Home {
        Home(const char* name, const QString& value) : old(qgetenv(name)), name(name)
        {
            qputenv(name, value.toLocal8Bit());
        }
        ~Home() { qputenv(name, old); }
        QByteArray old;
        const char* name;
    } home;
    std::optional<Program> program;
};

QString shortLines(qsizetype bytes)
{
    QString text;
    while (text.size() < bytes)
        text += QStringLiteral("a line of the notes, short as most are\r\n");
    return text.left(bytes);
}

QString oneParagraph(qsizetype bytes)
{
    QString text;
    while (text.size() < bytes)
        text += QStringLiteral("one paragraph that goes on without a break ");
    return text.left(bytes);
}

/// One switch from a page to the other, painted; the next one goes back.
Timing pageSwitches(Form1& form)
{
    int page = form.selectedPage();
    return time(500, [&] {
        page = 1 - page;
        form.setSelectedPageText(QString::number(page));
        QCoreApplication::processEvents();
    });
}

/// The notes box alone beside a plain QPlainTextEdit holding the same
/// text, both shown at the same size, keys typed at the end of each in
/// turn; after each key the window asks the box for its whole text.
void notesBox(Table& table)
{
    const QString lines = shortLines(256 << 10);
    QString asked;
    NotesEdit notes;
    QPlainTextEdit plain;
    QObject::connect(&notes, &QPlainTextEdit::textChanged, [&] { asked = notes.text(); });
    QObject::connect(&plain, &QPlainTextEdit::textChanged, [&] { asked = plain.toPlainText(); });
    notes.setText(lines);
    plain.setPlainText(QString(lines).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (QPlainTextEdit* box : {static_cast<QPlainTextEdit*>(&notes), &plain}) {
        box->resize(420, 160);
        box->show();
        (void)QTest::qWaitForWindowExposed(box);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    }
    const auto key = [](QWidget* box) {
        QTest::keyClick(box, Qt::Key_A);
        QCoreApplication::processEvents();
    };
    const auto [ours, yardstick] = compare(
        500, [&] { key(&notes); }, [&] { key(&plain); });
    table.cost(QStringLiteral("Keystroke in the notes box, 256 KB in short lines: median"), ms(ours.median),
               "QPlainTextEdit with the same text " + ms(yardstick.median), ours.median / yardstick.median, 1.1);
}

/// Keys typed through the real widgets on the offscreen platform: the
/// store's write, the widget's layout and its paint, beside the least the
/// store must do (write the same bytes, sync, rename). Without @p all, the
/// keys in Last Name alone.
void keystroke(Table& table, const QString& folder, bool all)
{
    // One settings folder for every window: Qt takes the user's folder once a process.
    QTemporaryDir config;
    const auto floorOf = [&] {
        const QByteArray same = readWhole(SettingsStore().fileName());
        return time(500, [&] { writeSyncRename(folder + QStringLiteral("/floor.conf"), same); });
    };
    const QString floorText = QStringLiteral("write + fdatasync + rename: median %1, p99 %2");
    for (const qsizetype note : {qsizetype(0), qsizetype(32) << 10, qsizetype(256) << 10}) {
        Shown shown(config.path(), shortLines(note), 0);
        shown.program->form().txtTextbox(F::LastName)->setFocus();
        const QByteArray same = readWhole(SettingsStore().fileName());
        const auto [ours, floor] = compare(
            500, [&] { shown.key(0); }, [&] { writeSyncRename(folder + QStringLiteral("/floor.conf"), same); });
        const QString name = QStringLiteral("Keystroke in Last Name, notes of %1 KB in short lines: p99 %2, median")
                                 .arg(note >> 10)
                                 .arg(ms(ours.p99));
        const QString floorIs = floorText.arg(ms(floor.median), ms(floor.p99));
        const double p99Budget = note == (32 << 10) ? 6.0 : 16.0;
        // Beyond its disk write a key costs at most a millisecond, whatever the size of the notes.
        if (note == 0)
            table.cost(name, ms(ours.median), floorIs, ours.median / floor.median, 0);
        else
            table.judge(name, ms(ours.median), floorIs, ours.median / floor.median,
                        QStringLiteral("median ≤ floor + 1 ms, p99 ≤ %1 ms").arg(p99Budget),
                        ours.median <= floor.median + 1e-3 && ours.p99 <= p99Budget * 1e-3);
    }
    if (!all)
        return;
    Timing emptyNotes{};
    {
        Shown shown(config.path(), QString(), 1);
        emptyNotes = pageSwitches(shown.program->form());
    }
    for (const qsizetype note : {qsizetype(256) << 10, qsizetype(1) << 20}) {
        Shown shown(config.path(), oneParagraph(note), 1);
        QWidget* notes = shown.program->form().txtTextbox(ContactSource::Notes);
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_End, Qt::ControlModifier);
        const Timing ours = time(500, [&] { shown.key(ContactSource::Notes); });
        const Timing floor = floorOf();
        const QString size = note < (1 << 20) ? QStringLiteral("256 KB") : QStringLiteral("1 MB");
        table.limit(
            QStringLiteral("Keystroke in the notes, one paragraph of %1: median %2, p99").arg(size, ms(ours.median)),
            ms(ours.p99), floorText.arg(ms(floor.median), ms(floor.p99)), ours.p99 / floor.p99, ours.p99 * 1e3,
            note < (1 << 20) ? 16.0 : 64.0);
        const Timing pages = pageSwitches(shown.program->form());
        table.limit(
            QStringLiteral("Page switch, one paragraph of %1 in the notes: median %2, p99").arg(size, ms(pages.median)),
            ms(pages.p99), "empty notes: median " + ms(emptyNotes.median) + ", p99 " + ms(emptyNotes.p99),
            pages.p99 / emptyNotes.p99, pages.p99 * 1e3, 50.0);
    }
    // The Share window open: its code follows each key.
    Shown shown(config.path(), shortLines(32 << 10), 0);
    shown.program->form().txtTextbox(F::LastName)->setFocus();
    const Timing closed = time(500, [&] { shown.key(0); });
    shown.program->form().shareCard();
    QCoreApplication::processEvents();
    const Timing open = time(500, [&] { shown.key(0); });
    table.limit(
        QStringLiteral("Keystroke with the Share window open, notes of 32 KB: median %1, p99").arg(ms(open.median)),
        ms(open.p99), "closed: median " + ms(closed.median) + ", p99 " + ms(closed.p99), open.p99 / closed.p99,
        open.p99 * 1e3, 16.0);
}

/// The child of the memory row of opening: opens @p card, stores its photo
/// in @p photos and prints how much the resident set grew meanwhile.
int openAndReportGrowth(const QString& card, const QString& photos)
{
    const qint64 before = residentKiB();
    resetPeak();
    const OpenCommand::CardFileContents opened = OpenCommand::open(QFile::encodeName(card), 1252);
    ReadCard read = OpenCommand::read(opened, 0, 1252);
    OpenCommand::storePhoto(read, photos);
    std::printf("%lld\n", (peakKiB() - before) * 1024);
    return 0;
}

/// Opening a card whose photo is 10 MB, beside reading the file.
void openCard(Table& table, const QString& folder)
{
    ContactRecord contact = contactWithPhoto(QString());
    QImage image(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) & 0xff, (x ^ y) & 0xff, (x * y) & 0xff));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    jpeg += randomBytes((10 << 20) - jpeg.size());  // after the end: still a JPEG, now of 10 MB
    const QString photo = folder + QStringLiteral("/open10.jpg");
    QFile file(photo);
    file.open(QIODevice::WriteOnly);
    file.write(jpeg);
    file.close();
    contact.fields[ContactSource::PhotoPath] = photo;
    const QString card = folder + QStringLiteral("/open10.vcf");
    CardFile::writeReplacing(card, ModernCard::build(contact, CardVersion::V30, now));
    const QString photos = folder + QStringLiteral("/photos");
    // A process of its own for the memory, so that nothing else the report did counts.
    const auto growth = qint64(agreed<double>([&] {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open-memory"), card, photos});
        child.waitForFinished(60000);
        return child.readAllStandardOutput().trimmed().toDouble();
    }));
    table.cost(QStringLiteral("Peak memory of opening a card with a 10 MB photo"), mib(growth),
               "the card " + mib(QFileInfo(card).size()), double(growth) / double(QFileInfo(card).size()), 3.0);
    const auto [ours, floor] = compare(
        11,
        [&] {
            const OpenCommand::CardFileContents opened = OpenCommand::open(QFile::encodeName(card), 1252);
            ReadCard read = OpenCommand::read(opened, 0, 1252);
            OpenCommand::storePhoto(read, photos);
        },
        [&] { readWhole(card); });
    table.limit(QStringLiteral("Open a card with a 10 MB photo"), ms(ours.median),
                "reading the file " + ms(floor.median), ours.median / floor.median, ours.median * 1e3, 100.0);
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
        const auto [ours, utf8] = compare(
            15, [&] { CodePage::fromUnicode(text, 1252); }, [&] { modFile::ToUTF8(text); });
        table.cost(QStringLiteral("ANSI 1252, 1,000,000 characters, %1 in the page").arg(label), ms(ours.median),
                   "UTF-8 of the same " + ms(utf8.median), ours.median / utf8.median, 10.0);
    }
}

void startup(Table& table, const QString& program)
{
    QTemporaryDir emptyStore;
    QTemporaryDir fullStore;
    {
        SettingsStore store(fullStore.filePath(QStringLiteral("Veltrask/Quillmere.conf")));
        for (int i = 0; i < ContactSource::FieldCount; ++i)
            store.setFieldText(i, QStringLiteral("field %1 of the remembered form").arg(i));
    }
    QtDialogs dialogs;
    ContactDocument document;
    ContactSession session(document, dialogs, [] { return now; });
    const int widgets = int(Form1(session).findChildren<QWidget*>().size());
    table.note(QStringLiteral("Start-up: the form has %1 widgets, the plain window %2; all are shown on the offscreen "
                              "platform, and each time runs from just before the process is made to the end of "
                              "the window's first paint (the least of five medians of seven).")
                   .arg(widgets)
                   .arg(BenchStartup::plainWidgets()));
    // From just before the process is made to the end of its first paint.
    const auto once = [&](const char* which, const QString& config) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        QProcess p;
        p.setProcessEnvironment(env);
        timespec start{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        p.start(program, {QStringLiteral("--startup"), QString::fromLatin1(which), QString::number(widgets)});
        p.waitForFinished(30000);
        const qint64 painted = p.readAllStandardOutput().trimmed().toLongLong();
        return double(painted - (start.tv_sec * 1000000000LL + start.tv_nsec)) / 1e9;
    };
    // Every window in each batch, in turn: a slow spell weighs on all alike.
    const QList<QPair<const char*, QString>> windows = {{"real", fullStore.path()},
                                                        {"real", emptyStore.path()},
                                                        {"plain", emptyStore.path()},
                                                        {"captioned", emptyStore.path()},
                                                        {"blank", emptyStore.path()}};
    const std::vector<Timing> timings = agreed<std::vector<Timing>>([&] {
        std::vector<std::vector<std::vector<double>>> runs(windows.size(), std::vector<std::vector<double>>(batches));
        for (int batch = 0; batch < batches; ++batch) {
            for (int n = 0; n < 7; ++n) {
                for (qsizetype w = 0; w < windows.size(); ++w)
                    runs[w][batch].push_back(once(windows[w].first, windows[w].second));
            }
        }
        std::vector<Timing> each;
        for (const auto& window : runs)
            each.push_back(Detail::summary(window));
        return each;
    });
    const auto launch = [&](const char* which, const QString& config) {
        for (qsizetype w = 0; w < windows.size(); ++w) {
            if (QLatin1String(windows[w].first) == QLatin1String(which) && windows[w].second == config)
                return timings[std::size_t(w)];
        }
        return Timing{};
    };
    const Timing plain = launch("plain", emptyStore.path());
    const Timing captioned = launch("captioned", emptyStore.path());
    const Timing blank = launch("blank", emptyStore.path());
    const Timing full = launch("real", fullStore.path());
    const Timing empty = launch("real", emptyStore.path());
    const QString fullName = QStringLiteral("Start-up to the first paint, full store");
    table.cost(fullName, ms(full.median), "a plain window of the same widgets " + ms(plain.median),
               full.median / plain.median, 1.25);
    table.cost(QStringLiteral("Start-up to the first paint, empty store"), ms(empty.median),
               "a plain window of the same widgets " + ms(plain.median), empty.median / plain.median, 1.25);
    table.cost(fullName, ms(full.median), "as many labels with captions " + ms(captioned.median),
               full.median / captioned.median, 0);
    table.cost(fullName, ms(full.median), "as many blank labels (no font needed) " + ms(blank.median),
               full.median / blank.median, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--open-memory") == 0) {
        QGuiApplication app(argc, argv);
        return openAndReportGrowth(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--endless-memory") == 0) {
        QCoreApplication app(argc, argv);
        return EndlessReply::child(std::strcmp(argv[2], "chunked") == 0);
    }
    if (argc == 3 && std::strcmp(argv[1], "--book-memory") == 0) {
        QCoreApplication app(argc, argv);
        return AddressBookListing::child(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 5 && std::strcmp(argv[1], "--memory") == 0)
        return saveAndReportGrowth(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                                   std::strcmp(argv[2], "utf8") == 0);
    if (argc == 4 && std::strcmp(argv[1], "--startup") == 0) {
        using W = BenchStartup::Window;
        const std::string which = argv[2];
        const W window = which == "real"        ? W::Program
                         : which == "plain"     ? W::Plain
                         : which == "captioned" ? W::CaptionedLabels
                                                : W::BlankLabels;
        return BenchStartup::run(argc, argv, window, std::atoi(argv[3]));
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Table table;
    // The groups of rows named on the command line, or all of them.
    const QStringList only = QCoreApplication::arguments().mid(1);
    const auto wanted = [&](const char* group) { return only.isEmpty() || only.contains(QLatin1String(group)); };
    if (wanted("base64"))
        base64(table);
    if (wanted("save"))
        wholeSave(table, folder.path());
    if (wanted("modern"))
        modernWriters(table, folder.path());
    if (wanted("qr"))
        qrCode(table);
    if (wanted("carddav"))
        cardDavSend(table, folder.path());
    if (wanted("carddav"))
        EndlessReply::row(table, QCoreApplication::applicationFilePath());
    if (wanted("book"))
        AddressBookListing::rows(table, folder.path(), QCoreApplication::applicationFilePath());
    if (wanted("memory"))
        saveMemory(table, folder.path(), QCoreApplication::applicationFilePath());
    if (wanted("jpeg"))
        bmpToJpeg(table, folder.path());
    if (wanted("keystroke") || wanted("lastname"))
        keystroke(table, folder.path(), wanted("keystroke"));
    if (wanted("notes"))
        notesBox(table);
    if (wanted("search"))
        AddressBookBench::searchRow(table);
    if (wanted("open"))
        openCard(table, folder.path());
    if (wanted("ansi"))
        ansi(table);
    if (wanted("startup"))
        startup(table, QCoreApplication::applicationFilePath());
    table.note(agreementNote());
    table.print();
    return 0;
}
