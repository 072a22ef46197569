// The reader of a server's multistatus answers over arbitrary bytes: every
// resource it gives has an address, and every name is one short line.
#include "FuzzSupport.h"
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
    return 0;
}
