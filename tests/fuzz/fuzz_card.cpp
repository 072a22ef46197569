// The card text over arbitrary field texts, flags and dates: one BEGIN line
// first, one END line last, and every line between a known property.
#include "FuzzSupport.h"
#include "core/ContactSource.h"
#include "vcard/modVCard.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    ContactRecord contact;
    fillFields(in, contact);
    for (bool& flag : contact.flags)
        flag = in.ConsumeBool();
    const qint64 first = QDate(1601, 1, 1).toJulianDay();
    const qint64 last = QDate(9999, 12, 31).toJulianDay();
    contact.birthDate = QDate::fromJulianDay(in.ConsumeIntegralInRange(first, last));
    const QDateTime now(QDate::fromJulianDay(in.ConsumeIntegralInRange(first, last)),
                        QTime::fromMSecsSinceStartOfDay(in.ConsumeIntegralInRange(0, 86399999)));

    static const QSet<QString> properties = {"VERSION", "N",   "FN",  "TEL",  "EMAIL", "NOTE",
                                             "ORG",     "URL", "ADR", "BDAY", "REV"};
    const QStringList lines = modVCard::buildCard(contact, now).split(QStringLiteral("\r\n"));
    FUZZ_CHECK(lines.size() >= 6);
    FUZZ_CHECK(lines.first() == u"BEGIN:VCARD");
    FUZZ_CHECK(lines.last() == u"END:VCARD");
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        qsizetype end = 0;
        while (end < line.size() && line[end] != u':' && line[end] != u';')
            ++end;
        FUZZ_CHECK(end < line.size() && properties.contains(line.left(end)));
    }
    return 0;
}
