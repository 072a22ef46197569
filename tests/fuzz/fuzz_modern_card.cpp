// The 3.0 and 4.0 writers over arbitrary field texts, UIDs, flags and
// dates: one card, one BEGIN line first, one END line last, every line
// between a property of the writer's, and no character left in it that a
// reader could take for the end of a line.
#include "FuzzSupport.h"
#include "core/ContactSource.h"
#include "vcard/ModernCard.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QSet>

namespace {

/// C0, DEL, C1, the line and paragraph separators: any of them can end a line for some reader.
bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

void check(const QByteArray& card)
{
    static const QSet<QString> properties = {"VERSION", "PRODID", "UID", "N",   "FN",   "TEL", "EMAIL",
                                             "NOTE",    "ORG",    "URL", "ADR", "BDAY", "REV"};
    FUZZ_CHECK(card.endsWith("\r\n"));
    QString text = QString::fromUtf8(card.left(card.size() - 2));
    text.replace(QStringLiteral("\r\n "), QString());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    FUZZ_CHECK(lines.first() == u"BEGIN:VCARD");
    FUZZ_CHECK(lines.last() == u"END:VCARD");
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        qsizetype end = 0;
        while (end < line.size() && line[end] != u':' && line[end] != u';')
            ++end;
        FUZZ_CHECK(end < line.size() && properties.contains(line.left(end)));
        const bool note = line.startsWith(QStringLiteral("NOTE:"));
        for (const QChar c : line)
            FUZZ_CHECK(!isControl(c) || (note && c == u'\t'));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    ContactRecord contact;
    fillFields(in, contact);
    contact.uidText = utf16Of(in.ConsumeRandomLengthString(80));
    for (bool& flag : contact.flags)
        flag = in.ConsumeBool();
    const qint64 first = QDate(1601, 1, 1).toJulianDay();
    const qint64 last = QDate(9999, 12, 31).toJulianDay();
    if (in.ConsumeBool())
        contact.birthDate = QDate::fromJulianDay(in.ConsumeIntegralInRange(first, last));
    const QDateTime now(QDate::fromJulianDay(in.ConsumeIntegralInRange(first, last)),
                        QTime::fromMSecsSinceStartOfDay(in.ConsumeIntegralInRange(0, 86399999)));
    check(ModernCard::build(contact, CardVersion::V30, now));
    check(ModernCard::build(contact, CardVersion::V40, now));
    return 0;
}
