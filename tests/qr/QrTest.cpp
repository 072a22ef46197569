#include "core/Error.h"
#include "qr/QrCode.h"
#include "qr/QrImage.h"
#include "qr/SaveCodeCommand.h"
#include "qr/ShareCard.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "vcard/CardReader.h"
#include "vcard/ModernCard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace TestSupport;

namespace {

using F = ContactSource::Field;

const QDateTime now(QDate(2025, 1, 14), QTime(9, 30, 5), QTimeZone::utc());

/// What zbarimg (zbar-tools), a reader nobody here wrote, finds in the picture @p path.
QByteArray zbar(const QString& path)
{
    QProcess reader;
    reader.start(QStringLiteral("zbarimg"), {"--raw", "-q", "-Sbinary", path});
    EXPECT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return reader.readAllStandardOutput();  // in binary mode, the bytes and nothing more
}

ContactRecord named(const QString& last, const QString& first)
{
    ContactRecord c;
    c.fields[F::LastName] = last;
    c.fields[F::FirstName] = first;
    c.fields[F::HomeVoice] = QStringLiteral("+1 555 0100");
    c.uidText = exampleUid;
    return c;
}

/// A contact whose card is exactly @p bytes long: the notes make up the
/// most, the title the last few (each fold of a line adds three).
ContactRecord ofSize(qsizetype bytes)
{
    ContactRecord c = named("Marlow", "Tessa");
    const auto sizeWith = [&](qsizetype notes, int title) {
        c.fields[F::Notes] = QString(notes, u'n');
        c.fields[F::Title] = QString(title, u't');
        return ModernCard::build(c, CardVersion::V30, now, false).size();
    };
    qsizetype low = 0, high = bytes;  // the longest notes that do not pass the size
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (sizeWith(middle, 0) <= bytes)
            low = middle;
        else
            high = middle - 1;
    }
    for (int title = 0; title < 6; ++title) {
        if (sizeWith(low, title) == bytes)
            return c;
    }
    ADD_FAILURE() << "no card of " << bytes << " bytes";
    return c;
}

class Qr : public ::testing::Test {
protected:
    /// Saves @p card's code through the dialog as @p name with filter entry @p filter.
    void save(const SharedCard& card, const ContactSource& contact, const QString& name, int filter)
    {
        dialogs.choose(dir.filePath(name), filter);
        dialogs.answers = {true};  // replace what the last case wrote
        SaveCodeCommand::run(*card.code, contact, lastFolder, dialogs);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    QString lastFolder;  ///< where the dialog opens
};

}  // namespace

TEST_F(Qr, AReaderNobodyHereWroteReadsThePayloadBack)
{
    ContactRecord world = named(QStringLiteral("Жуков"), QStringLiteral("李 😀"));
    world.fields[F::Notes] = QStringLiteral("Ünïcödé; a, b\r\nline two");
    const struct {
        const char* what;
        ContactRecord contact;
        QrCode::Level level;
    } cases[] = {
        {"ASCII", named("Marlow", "Tessa"), QrCode::Level::M}, {"Cyrillic, Chinese, emoji", world, QrCode::Level::M},
        {"the edge of M", ofSize(2331), QrCode::Level::M},     {"just past M", ofSize(2332), QrCode::Level::L},
        {"the edge of L", ofSize(2953), QrCode::Level::L},
    };
    for (const auto& c : cases) {
        const std::optional<SharedCard> card = ShareCard::make(c.contact, now);
        ASSERT_TRUE(card && card->code) << c.what;
        EXPECT_EQ(card->code->level(), c.level) << c.what;
        EXPECT_TRUE(card->leftOut.isEmpty()) << c.what;
        EXPECT_TRUE(card->payload.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n")) << c.what;
        EXPECT_TRUE(card->payload.contains("UID:" + exampleUid.toLatin1())) << c.what;
        save(*card, c.contact, "code.png", 0);
        EXPECT_EQ(zbar(dir.filePath("code.png")), card->payload) << c.what;
        save(*card, c.contact, "code", 1);  // the filter's extension is added
        ASSERT_EQ(QProcess::execute("rsvg-convert", {"-o", dir.filePath("svg.png"), dir.filePath("code.svg")}), 0);
        EXPECT_EQ(zbar(dir.filePath("svg.png")), card->payload) << c.what;
    }
    EXPECT_EQ(dialogs.asked[0].title, "Save QR Code");
    EXPECT_EQ(dialogs.asked[0].fileName, "Marlow Tessa QR.png");
    EXPECT_EQ(dialogs.asked[0].filters,
              QList<FileFilter>({{"PNG image (*.png)", "*.png"}, {"SVG image (*.svg)", "*.svg"}}));
}

TEST_F(Qr, ModulesAreWholePixelsWithAQuietZone)
{
    const std::optional<SharedCard> card = ShareCard::make(named("Marlow", "Tessa"), now);
    const QImage image = QrImage::image(*card->code, 3);
    const int side = (card->code->width() + 8) * 3;
    ASSERT_EQ(image.size(), QSize(side, side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int grey = qGray(image.pixel(x, y));
            ASSERT_TRUE(grey == 0 || grey == 255) << "smoothed at " << x << "," << y;
            const int mx = x / 3 - 4, my = y / 3 - 4;
            const bool dark =
                mx >= 0 && my >= 0 && mx < card->code->width() && my < card->code->width() && card->code->dark(mx, my);
            ASSERT_EQ(grey == 0, dark) << x << "," << y;
        }
    }
    const QByteArray svg = QrImage::svg(*card->code, 8);
    EXPECT_EQ(svg.count("<path"), 1);
    EXPECT_TRUE(svg.contains("shape-rendering=\"crispEdges\""));
}

TEST_F(Qr, WhatDoesNotFitIsLeftOutInOrder)
{
    ContactRecord c = named("Marlow", "Tessa");
    c.fields[F::Notes] = QString(2000, u'n');
    c.fields[F::WorkAddress] = QString(600, u'w');
    c.fields[F::HomeAddress] = QString(600, u'h');
    c.fields[F::WebsiteHome] = QStringLiteral("https://example.org/") + QString(600, u's');
    const auto leftOut = [&] { return ShareCard::make(c, now)->leftOut; };
    EXPECT_EQ(leftOut(), QStringList({"notes"}));
    std::optional<SharedCard> card = ShareCard::make(c, now);
    EXPECT_FALSE(card->payload.contains("NOTE"));
    EXPECT_EQ(
        ShareCard::summary(*card),
        QStringLiteral("%1 bytes. Notes left out: the code would be too large to scan").arg(card->payload.size()));
    EXPECT_EQ(ShareCard::spoken(*card),
              QStringLiteral("QR code of the contact card, %1 bytes; notes left out").arg(card->payload.size()));

    c.fields[F::WorkCity] = QString(1500, u'w');
    EXPECT_EQ(leftOut(), QStringList({"notes", "work address"}));
    c.fields[F::HomeCity] = QString(1500, u'h');
    EXPECT_EQ(leftOut(), QStringList({"notes", "work address", "home address"}));
    c.fields[F::WebsiteWork] = QString(2500, u's');
    EXPECT_EQ(leftOut(), QStringList({"notes", "work address", "home address", "web sites"}));
    card = ShareCard::make(c, now);
    ASSERT_TRUE(card->code);
    EXPECT_EQ(zbar([&] {
                  const QString png = dir.filePath("least.png");
                  QrImage::image(*card->code, 4).save(png);
                  return png;
              }()),
              card->payload);

    // What no code can hold: said, never a code a phone could not read.
    c.fields[F::Company] = QString(3000, u'c');
    card = ShareCard::make(c, now);
    EXPECT_FALSE(card->code);
    EXPECT_TRUE(ShareCard::summary(*card).startsWith("The card is too large for a QR code"));
}

TEST_F(Qr, AnEmptyFormHasNoCode)
{
    EXPECT_FALSE(ShareCard::make(ContactRecord(), now));
    ContactRecord photoOnly;
    photoOnly.fields[F::PhotoPath] = QStringLiteral("/a/photo.jpg");  // a code holds no photo
    EXPECT_FALSE(ShareCard::make(photoOnly, now));
    ContactRecord birthday;
    birthday.birthDate = QDate(1984, 3, 7);
    EXPECT_TRUE(ShareCard::make(birthday, now));
}

TEST_F(Qr, AFailedWriteKeepsTheOldFileWhole)
{
    const std::optional<SharedCard> card = ShareCard::make(named("Marlow", "Tessa"), now);
    writeFile(dir.filePath("code.png"), "old picture");
    Unchangeable folder(dir.path());
    if (!folder.ok())
        GTEST_SKIP() << "this machine cannot make a folder unchangeable";
    dialogs.choose(dir.filePath("code.png"));
    dialogs.answers = {true};
    try {
        SaveCodeCommand::run(*card->code, named("Marlow", "Tessa"), lastFolder, dialogs);
        FAIL() << "written";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().startsWith("Cannot write " + dir.filePath("code.png") + ": "));
    }
    folder.undo();
    EXPECT_EQ(readFile(dir.filePath("code.png")), "old picture");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"code.png"});
}

// The code carries the card a phone imports: a stranger's UID, or a line
// break held by a stored one, must not add a line to it.
TEST_F(Qr, AStrangersLineBreakAddsNoLineToTheCode)
{
    ContactRecord opened =
        CardReader::read(QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:1\\nEMAIL:x@evil.example\r\n"
                                    "N:Lee;Mary;;;\r\nEND:VCARD\r\n"),
                         1252)
            .contact;
    ContactRecord stored = named("Lee", "Mary");
    stored.uidText = QStringLiteral("urn:uuid:1\r\nEND:VCARD\r\nBEGIN:VCARD\r\nEMAIL:x@evil.example");
    stored.fields[F::Notes] = QStringLiteral("one\u2028URL:http://evil.example\u0085two");
    for (const ContactRecord& contact : {opened, stored}) {
        const std::optional<SharedCard> card = ShareCard::make(contact, now);
        ASSERT_TRUE(card && card->code);
        save(*card, contact, "code.png", 0);
        const QByteArray read = zbar(dir.filePath("code.png"));
        EXPECT_EQ(read, card->payload);
        const QList<QByteArray> lines = read.split('\n');
        EXPECT_EQ(lines.count("BEGIN:VCARD\r"), 1) << read.toStdString();
        EXPECT_EQ(lines.count("END:VCARD\r"), 1) << read.toStdString();
        for (const QByteArray& line : lines) {
            EXPECT_FALSE(line.startsWith("EMAIL") || line.startsWith("URL")) << read.toStdString();
        }
    }
}

TEST_F(Qr, ATypedExtensionDecidesTheFormatElseTheChosenEntryDoes)
{
    const std::optional<SharedCard> card = ShareCard::make(named("Marlow", "Tessa"), now);
    const struct {
        const char* typed;
        int filter;
        const char* written;
        bool svg;
    } cases[] = {
        {"qr2", 1, "qr2.svg", true},  {"qr3", 0, "qr3.png", false},        {"a.svg", 0, "a.svg", true},
        {"b.PNG", 1, "b.PNG", false}, {"Mr. Lee", 1, "Mr. Lee.svg", true}, {"c.jpg", 0, "c.jpg.png", false},
    };
    for (const auto& c : cases) {
        save(*card, named("Marlow", "Tessa"), c.typed, c.filter);
        const QByteArray bytes = readFile(dir.filePath(c.written));
        EXPECT_EQ(bytes.startsWith("\x89PNG"), !c.svg) << c.typed;
        EXPECT_EQ(bytes.contains("<svg"), c.svg) << c.typed;
    }
    EXPECT_EQ(filesIn(dir.path()).size(), std::size(cases));
    EXPECT_EQ(lastFolder, dir.path());
}

TEST_F(Qr, AnExistingFileIsReplacedOnlyAfterYesAndTheDialogOpensWhereItWasLastUsed)
{
    const std::optional<SharedCard> card = ShareCard::make(named("Marlow", "Tessa"), now);
    writeFile(dir.filePath("code.svg"), "old picture");
    // No: the dialog again, on that name and entry; another name is written.
    dialogs.choose(dir.filePath("code"), 1);
    dialogs.choose(dir.filePath("other.svg"), 1);
    dialogs.answers = {false};
    SaveCodeCommand::run(*card->code, named("Marlow", "Tessa"), lastFolder, dialogs);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text, dir.filePath("code.svg") + " already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(dialogs.questions[0].caption, "Save QR Code");
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[0].folder, QDir::homePath());  // the first time
    EXPECT_EQ(dialogs.asked[1].folder, dir.path());
    EXPECT_EQ(dialogs.asked[1].fileName, "code.svg");
    EXPECT_EQ(dialogs.asked[1].filterIndex, 1);
    EXPECT_EQ(readFile(dir.filePath("code.svg")), "old picture");
    EXPECT_TRUE(readFile(dir.filePath("other.svg")).contains("<svg"));

    // Yes replaces it; the next dialog opens in the folder last used.
    dialogs.choose(dir.filePath("code.svg"), 1);
    dialogs.answers = {true};
    SaveCodeCommand::run(*card->code, named("Marlow", "Tessa"), lastFolder, dialogs);
    EXPECT_EQ(dialogs.asked[2].folder, dir.path());
    EXPECT_TRUE(readFile(dir.filePath("code.svg")).contains("<svg"));

    // Cancel at the question's second dialog ends it with nothing written.
    dialogs.choose(dir.filePath("code.svg"), 1);
    dialogs.cancel();
    dialogs.answers = {false};
    EXPECT_THROW(SaveCodeCommand::run(*card->code, named("Marlow", "Tessa"), lastFolder, dialogs), Error);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"code.svg", "other.svg"}));

    // A folder since removed: the home folder again.
    EXPECT_EQ(SaveCodeCommand::dialogSettings(named("Marlow", "Tessa"), dir.filePath("gone")).folder, QDir::homePath());
}
