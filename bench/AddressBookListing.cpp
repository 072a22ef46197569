#include "AddressBookListing.h"

#include "Measure.h"
#include "QuietDialogs.h"
#include "carddav/AddressBookCommand.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "core/Dialogs.h"
#include "document/ContactSession.h"
#include "settings/SettingsStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace Measure;

namespace AddressBookListing {

namespace {

constexpr int contacts = 10000;
constexpr int withPhoto = 500;

/// A JPEG of noise, some 30 KB: a photo the form stores as it opens the card.
QByteArray jpeg()
{
    static const QByteArray bytes = [] {
        QImage image(250, 250, QImage::Format_RGB32);
        QRandomGenerator random(1);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.generate());
        }
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 60);
        return out;
    }();
    return bytes;
}

/// Contact @p i of the book: some 400 bytes, every twentieth with a photo.
QByteArray cardOf(int i)
{
    const QByteArray n = QByteArray::number(i);
    QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:bench-" + n + "\r\nN:Surname" + n + ";Given" + n +
                      ";;;\r\nFN:Given" + n + " Surname" + n + "\r\nORG:Harbor & Finch Ltd.\r\nTITLE:Surveyor\r\n" +
                      "EMAIL;TYPE=INTERNET,WORK:given" + n +
                      ".surname@example.org\r\nTEL;TYPE=WORK,VOICE:+44 20 7946 " + n +
                      "\r\nTEL;TYPE=CELL:+44 7700 900" + n + "\r\nADR;TYPE=WORK:;;1 Quay Street;Harbourtown;;AB1 2CD;" +
                      "United Kingdom\r\nNOTE:Met at the surveyors' meeting\\, spring; call in the mornings.\r\n";
    if (i % (contacts / withPhoto) == 0) {
        const QByteArray base64 = jpeg().toBase64();
        card += "PHOTO;ENCODING=b;TYPE=JPEG:";
        for (qsizetype at = 0; at < base64.size(); at += 74)
            card += (at ? "\r\n " : "") + base64.mid(at, 74);
        card += "\r\n";
    }
    return card + "END:VCARD\r\n";
}

/// The book written straight into Radicale's storage: files, not requests.
void writeBook(const QString& storage)
{
    const QString book = storage + QStringLiteral("/collection-root/tessa/contacts");
    QDir().mkpath(book);
    QFile props(book + QStringLiteral("/.Radicale.props"));
    props.open(QIODevice::WriteOnly);
    props.write(R"({"D:displayname": "Contacts", "tag": "VADDRESSBOOK"})");
    for (int i = 0; i < contacts; ++i) {
        QFile card(book + QStringLiteral("/bench-%1.vcf").arg(i));
        card.open(QIODevice::WriteOnly);
        card.write(cardOf(i));
    }
}

QString post(const QString& folder, const QString& name, const QByteArray& body)
{
    const QString path = folder + u'/' + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(body);
    return path;
}

/// curl's arguments for the requests the listing makes, in one process as one would script it.
QStringList curlListing(const QString& folder, const QString& book)
{
    QProcess curl;
    curl.start(QStringLiteral("curl"), {"-s", "-u", "tessa:x", "-X", "PROPFIND", "-H", "Depth: 1", "-H",
                                        "Content-Type: application/xml; charset=utf-8", "--data-binary",
                                        "@" + post(folder, "propfind.xml", DavXml::listingBody()), book});
    curl.waitForFinished(120000);
    QList<DavXml::Member> cards = DavXml::parseListing(curl.readAllStandardOutput(), QUrl(book));
    cards.removeIf([](const DavXml::Member& m) { return m.collection; });
    QStringList args{"-s",
                     "-o",
                     "/dev/null",
                     "-u",
                     "tessa:x",
                     "-X",
                     "PROPFIND",
                     "-H",
                     "Depth: 1",
                     "-H",
                     "Content-Type: application/xml; charset=utf-8",
                     "--data-binary",
                     "@" + folder + "/propfind.xml",
                     book};
    for (qsizetype from = 0, n = 0; from < cards.size(); ++n) {
        const qsizetype end = AddressBookCommand::batchEnd(cards, from);
        QList<QUrl> batch;
        for (qsizetype i = from; i < end; ++i)
            batch << cards.at(i).url;
        from = end;
        args << "--next"
             << "-s"
             << "-o"
             << "/dev/null"
             << "-u"
             << "tessa:x"
             << "-X"
             << "REPORT"
             << "-H"
             << "Depth: 1"
             << "-H"
             << "Content-Type: application/xml; charset=utf-8"
             << "--data-binary"
             << "@" + post(folder, QStringLiteral("multiget%1.xml").arg(n), DavXml::multigetBody(batch)) << book;
    }
    return args;
}

struct Bench {
    Bench(const QString& folder, const QString& server, const QString& book)
        : store(folder + QStringLiteral("/book.conf"))
    {
        store.setAddressBookAccount({server, QStringLiteral("tessa"), book, QStringLiteral("Contacts")});
    }
    /// Lists the book, keeping the entries as the window does; how many.
    qsizetype list()
    {
        entries.clear();
        bool done = false;
        const auto keep = QObject::connect(&command, &AddressBookCommand::entries,
                                           [this](const QList<BookEntry>& batch) { entries += batch; });
        const auto end = QObject::connect(&command, &AddressBookCommand::listed, [&done] { done = true; });
        command.list();
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(keep);
        QObject::disconnect(end);
        return entries.size();
    }

    SettingsStore store;
    QuietDialogs dialogs{true};
    PasswordStore passwords;
    SendCommand sender{store, dialogs, passwords};
    AddressBookCommand command{sender.account()};
    QList<BookEntry> entries;
};

}  // namespace

int child(const QString& book)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");  // the password is given, no keyring asked
    QTemporaryDir folder;
    const QUrl url(book);
    Bench bench(folder.path(), url.adjusted(QUrl::RemovePath).toString(), book);
    const qint64 before = residentKiB();
    resetPeak();
    const qsizetype listed = bench.list();
    std::printf("%lld\n", listed == contacts ? (peakKiB() - before) * 1024 : -1);
    return 0;
}

/// The rows, against the Radicale starting on @p port.
void measure(Table& table, const QString& folder, const QString& program, quint16 port)
{
    const QString server = QStringLiteral("http://127.0.0.1:%1").arg(port);
    const QString book = server + QStringLiteral("/tessa/contacts/");
    bool up = false;
    for (int i = 0; i < 100 && !up; ++i) {
        QThread::msleep(100);
        up = QProcess::execute(QStringLiteral("curl"), {"-s", "-f", "-o", "/dev/null", "-u", "tessa:x", book}) == 0;
    }
    if (!up) {
        table.note(QStringLiteral("Address book: Radicale did not start, no figure"));
        return;
    }
    // Radicale reads every card once to make its cache: not what either side's time is about.
    const QStringList curlArgs = curlListing(folder, book);
    Bench bench(folder, server, book);
    // A listing takes most of a minute on this machine, nearly all of it
    // Radicale's PROPFIND: two of each in turn, their mean kept.
    double ours = 0;
    double curl = 0;
    qsizetype listed = 0;
    for (int i = 0; i < 2; ++i) {
        ours += Detail::seconds([&] { listed = bench.list(); }) / 2;
        curl += Detail::seconds([&] { QProcess::execute(QStringLiteral("curl"), curlArgs); }) / 2;
    }
    if (listed != contacts) {
        table.note(QStringLiteral("Address book: the listing did not give every contact, no figure"));
        return;
    }
    table.cost(QStringLiteral("Listing a book of 10,000 contacts (500 with a 30 KB photo) on Radicale"), ms(ours),
               "curl, the same PROPFIND and multigets " + ms(curl), ours / curl, 1.5);

    QProcess child;
    child.start(program, {QStringLiteral("--book-memory"), book});
    child.waitForFinished(600000);
    const qint64 worst = child.readAllStandardOutput().trimmed().toLongLong();
    const qint64 budget = 64 << 20;
    table.cost(QStringLiteral("Peak memory of listing that book, above the idle program"), mib(worst),
               "the budget " + mib(budget), double(worst) / double(budget), 1.0);

    // Opening: the card fetched and put into the form, its photo stored.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/data")));
    BookEntry photoEntry = bench.entries.value(0);
    for (const BookEntry& e : std::as_const(bench.entries)) {
        if (e.href.fileName() == u"bench-5000.vcf")
            photoEntry = e;
    }
    ContactDocument document;
    ContactSession session(document, bench.dialogs, [] { return QDateTime::currentDateTimeUtc(); });
    session.setBook(&bench.command);
    const auto open = [&] {
        bench.command.open(photoEntry);
        while (bench.command.running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    const auto [opened, got] = compare(21, open, [&] {
        QProcess::execute(QStringLiteral("curl"),
                          {"-s", "-o", "/dev/null", "-u", "tessa:x", photoEntry.href.toString()});
    });
    table.cost(QStringLiteral("Opening one contact of that book (30 KB photo) into the form"), ms(opened.median),
               "curl, the same GET " + ms(got.median), opened.median / got.median, 1.5);
}

void rows(Table& table, const QString& folder, const QString& program)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    const QString storage = folder + QStringLiteral("/book-radicale");
    writeBook(storage);
    QFile config(folder + QStringLiteral("/book-radicale.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = none\n[storage]\nfilesystem_folder = "
                                "%2\n[rights]\ntype = owner_only\n[logging]\nlevel = warning\n")
                     .arg(port)
                     .arg(storage)
                     .toUtf8());
    config.close();
    QProcess radicale;
    radicale.start(QStringLiteral("radicale"), {QStringLiteral("--config"), config.fileName()});
    measure(table, folder, program, port);
    radicale.terminate();
    radicale.waitForFinished();
}

}  // namespace AddressBookListing
