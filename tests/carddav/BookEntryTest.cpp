#include "carddav/BookEntry.h"
#include "carddav/AddressBookCommand.h"
#include "carddav/DavXml.h"

#include <gtest/gtest.h>

namespace {

const QUrl href(QStringLiteral("https://cloud.example.org/book/J%C3%BCrgen%20M.vcf"));

TEST(BookEntry, TheNameTheFirstEmailAndTheFirstPhoneOfAnyCard)
{
    const struct {
        const char* card;
        const char* name;
        const char* email;
        const char* phone;
    } cases[] = {
        {"BEGIN:VCARD\r\nFN:Tessa Marlow\r\nEMAIL:t@example.org\r\nEMAIL:second@example.org\r\nTEL:555\r\n"
         "TEL:666\r\nEND:VCARD\r\n",
         "Tessa Marlow", "t@example.org", "555"},
        {"FN:Tes\r\n sa\r\n\t Marlow\r\n", "Tessa Marlow", "", ""},  // folded, a tab too
        {"fn:lower case\nEmail:unix@example.org\n", "lower case", "unix@example.org", ""},
        {"item1.EMAIL;TYPE=\"work:a;b\":grouped@example.org\r\nitem2.TEL;VALUE=uri:tel:+1-555\r\n",
         "grouped@example.org", "grouped@example.org", "+1-555"},
        {"EMAIL:MAILTO:upper@example.org\r\n", "upper@example.org", "upper@example.org", ""},
        {"FN:Harbor\\, Finch\\; Ltd.\\nSecond line\r\n", "Harbor, Finch; Ltd. Second line", "", ""},
        {"N:Großmann;Ilse;Anna;Dr.;MBA\r\nFN:\r\n", "Dr. Ilse Anna Großmann MBA", "", ""},
        {"N:Marlow;Tessa;;;\r\nFN:Ms Marlow\r\n", "Ms Marlow", "", ""},
        // A folded line of another property is not a property: its "TEL:" is text.
        {"NOTE:call\r\n TEL:999\r\nPHOTO;ENCODING=b:AAAA\r\n FN:BBBB\r\nTEL:111\r\n", "Jürgen M.vcf", "", "111"},
        {"", "Jürgen M.vcf", "", ""},
        {"FN", "Jürgen M.vcf", "", ""},  // no value at all
        {"FNX:not a name\r\nTELEX:123\r\n", "Jürgen M.vcf", "", ""},
    };
    for (const auto& c : cases) {
        const BookEntry entry = BookEntry::of(QString::fromUtf8(c.card), href, "\"7\"");
        EXPECT_EQ(entry.name, QString::fromUtf8(c.name)) << c.card;
        EXPECT_EQ(entry.email, QString::fromUtf8(c.email)) << c.card;
        EXPECT_EQ(entry.phone, QString::fromUtf8(c.phone)) << c.card;
        EXPECT_EQ(entry.href, href);
        EXPECT_EQ(entry.etag, "\"7\"");
    }
}

TEST(BookEntry, ItsSearchKeyCoversNameEmailAndPhone)
{
    const BookEntry entry =
        BookEntry::of(u"FN:Jürgen Müller\r\nEMAIL:JM@Example.de\r\nTEL:+49 30\r\n", href, QByteArray());
    EXPECT_EQ(entry.key, "jurgen muller jm@example.de +49 30");
}

TEST(BookEntry, AServersMegabyteOfNameIsCut)
{
    const QString card = QStringLiteral("FN:") + QString(1024 * 1024, u'a') + QStringLiteral("\r\nEMAIL:") +
                         QString(5000, u'b') + QStringLiteral("\r\n");
    const BookEntry entry = BookEntry::of(card, href, QByteArray());
    EXPECT_EQ(entry.name.size(), BookEntry::longest);
    EXPECT_EQ(entry.email.size(), BookEntry::longest);
}

TEST(DavXml, AListingGivesTheMembersButTheBookItself)
{
    const QByteArray body = R"(<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:">
 <d:response><d:href>/book/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/></d:resourcetype>
  <d:getetag>"b"</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
 <d:response><d:href>/book/a%20b.vcf</d:href><d:propstat><d:prop><d:resourcetype/><d:getetag>"1"</d:getetag>
  <d:getcontentlength>412</d:getcontentlength></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>
  <d:propstat><d:prop><d:getcontentlength>9</d:getcontentlength></d:prop><d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response>
 <d:response><d:href>/book/sub/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/></d:resourcetype></d:prop>
  <d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
 <d:response><d:href>https://elsewhere.example.net/c.vcf</d:href><d:propstat><d:prop><d:getetag>"3"</d:getetag></d:prop>
  <d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
</d:multistatus>)";
    const QList<DavXml::Member> members = DavXml::parseListing(body, QUrl("https://cloud.example.org/book"));
    ASSERT_EQ(members.size(), 3);
    EXPECT_EQ(members[0].url, QUrl("https://cloud.example.org/book/a%20b.vcf"));
    EXPECT_EQ(members[0].etag, "\"1\"");
    EXPECT_EQ(members[0].size, 412);
    EXPECT_FALSE(members[0].collection);
    EXPECT_TRUE(members[1].collection);
    EXPECT_EQ(members[1].size, -1);
    EXPECT_EQ(members[2].url.host(), "elsewhere.example.net");
}

TEST(DavXml, AMultigetAsksByPathAndGivesEachCardAsRead)
{
    const QByteArray request = DavXml::multigetBody(
        {QUrl("https://cloud.example.org/book/a%20b.vcf"), QUrl("https://cloud.example.org/book/x&y.vcf")});
    EXPECT_TRUE(request.contains("<d:href>/book/a%20b.vcf</d:href><d:href>/book/x&amp;y.vcf</d:href>"))
        << request.constData();
    EXPECT_TRUE(request.contains("<card:address-data/>"));

    const QByteArray body = R"(<?xml version="1.0"?>
<multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav">
 <response><href>/book/a%20b.vcf</href><propstat><prop><getetag>"1"</getetag>
  <C:address-data>BEGIN:VCARD&#13;
FN:A &amp; B&#13;
END:VCARD&#13;
</C:address-data></prop><status>HTTP/1.1 200 OK</status></propstat></response>
 <response><href>/book/gone.vcf</href><status>HTTP/1.1 404 Not Found</status></response>
 <response><href>/book/c.vcf</href><propstat><prop><getetag>"3"</getetag><C:address-data><![CDATA[FN:C]]></C:address-data>
  </prop><status>HTTP/1.1 200 OK</status></propstat></response>
</multistatus>)";
    QStringList read;
    DavXml::readCards(body, QUrl("https://cloud.example.org/book/"),
                      [&](const QUrl& url, const QByteArray& etag, QStringView card) {
                          read << url.toString(QUrl::FullyEncoded) + u' ' + QString::fromUtf8(etag) + u' ' +
                                      BookEntry::of(card, url, etag).name;
                      });
    EXPECT_EQ(read, QStringList({"https://cloud.example.org/book/a%20b.vcf \"1\" A & B",
                                 "https://cloud.example.org/book/c.vcf \"3\" C"}));
}

}  // namespace

namespace {

TEST(AddressBookBatch, EndsAtItsCountOrItsBytesButHoldsOneCardAtLeast)
{
    const qint64 most = AddressBookCommand::batchBytes;
    const struct {
        const char* what;
        QList<qint64> sizes;  ///< -1: not listed
        qsizetype from;
        qsizetype end;
    } cases[] = {
        {"small cards: the count", QList<qint64>(250, 400), 0, AddressBookCommand::batchCount},
        {"the last batch", QList<qint64>(250, 400), 200, 250},
        {"at the end", QList<qint64>(3, 400), 3, 3},
        {"photos: the bytes", QList<qint64>(100, 40 * 1024), 0, qsizetype(most / (40 * 1024))},
        {"a card larger than a batch alone", {most * 3, 400, 400}, 0, 1},
        {"cards before a large one", {400, 400, most, 400}, 0, 2},
        {"sizes not listed", QList<qint64>(100, -1), 0, 25},
    };
    for (const auto& c : cases) {
        QList<DavXml::Member> cards;
        for (const qint64 size : c.sizes)
            cards << DavXml::Member{QUrl("https://cloud.example.org/book/a.vcf"), "\"1\"", size, false};
        EXPECT_EQ(AddressBookCommand::batchEnd(cards, c.from), c.end) << c.what;
    }
}

}  // namespace
