// The reader of a server's multistatus answers over arbitrary bytes: every
// resource, member and card it gives has an address, every name is one
// short line, and a listed contact keeps within its lengths.
#include "FuzzSupport.h"
#include "carddav/BookEntry.h"
#include "carddav/DavXml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QUrl base(QStringLiteral("https://dav.example.org:8443/home/"));
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const DavXml::Resource& r : DavXml::parseMultistatus(body, base)) {
        FUZZ_CHECK(r.url.isValid());
        FUZZ_CHECK(r.displayName.size() <= DavXml::longestName);
        FUZZ_CHECK(!r.displayName.contains(u'\n') && !r.displayName.contains(u'\r'));
        for (const QUrl& home : r.homes)
            FUZZ_CHECK(home.isValid());
    }
    for (const DavXml::Member& m : DavXml::parseListing(body, base)) {
        FUZZ_CHECK(m.url.isValid());
        FUZZ_CHECK(m.size >= -1);
    }
    DavXml::readCards(body, base, [](const QUrl& url, const QByteArray& etag, QStringView card) {
        FUZZ_CHECK(url.isValid());
        const BookEntry entry = BookEntry::of(card, url, etag);
        for (const QString* text : {&entry.name, &entry.email, &entry.phone})
            FUZZ_CHECK(text->size() <= BookEntry::longest);
    });
    return 0;
}
