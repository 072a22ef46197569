#include "qr/ShareCard.h"

#include "core/ContactSource.h"
#include "vcard/ModernCard.h"

#include <array>

namespace ShareCard {

namespace {

using F = ContactSource::Field;

struct Part {
    const char* name;
    std::array<int, 5> fields;
    int count;
};

// What goes first when the card is too large: the least needed to call or write.
constexpr std::array<Part, 4> parts = {{
    {"notes", {F::Notes}, 1},
    {"work address", {F::WorkAddress, F::WorkCity, F::WorkRegion, F::WorkZip, F::WorkCountry}, 5},
    {"home address", {F::HomeAddress, F::HomeCity, F::HomeRegion, F::HomeZip, F::HomeCountry}, 5},
    {"web sites", {F::WebsiteHome, F::WebsiteWork}, 2},
}};

ContactRecord copyOf(const ContactSource& c)
{
    ContactRecord r = ContactRecord::of(c);
    r.fields[F::PhotoPath].clear();  // a code holds no photo
    return r;
}

bool holdsAnything(const ContactRecord& r)
{
    for (const QString& text : r.fields) {
        if (!text.isEmpty())
            return true;
    }
    return r.birthDate.isValid();
}

bool holds(const ContactRecord& r, const Part& part)
{
    for (int k = 0; k < part.count; ++k) {
        if (!r.fields[part.fields[k]].isEmpty())
            return true;
    }
    return false;
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

}  // namespace

std::optional<SharedCard> make(const ContactSource& contact, const QDateTime& now)
{
    ContactRecord card = copyOf(contact);
    if (!holdsAnything(card))
        return std::nullopt;
    SharedCard shared;
    for (qsizetype left = 0;; ++left) {
        shared.payload = ModernCard::build(card, CardVersion::V30, now, false);
        for (const QrCode::Level level : {QrCode::Level::M, QrCode::Level::L}) {
            shared.code = QrCode::encode(shared.payload, level);
            if (shared.code)
                return shared;
        }
        // The next part the card holds goes.
        qsizetype next = left;
        while (next < qsizetype(parts.size()) && !holds(card, parts[next]))
            ++next;
        if (next == qsizetype(parts.size()))
            return shared;  // too large even so: no code
        for (int k = 0; k < parts[next].count; ++k)
            card.fields[parts[next].fields[k]].clear();
        shared.leftOut << QString::fromLatin1(parts[next].name);
        left = next;
    }
}

QString summary(const SharedCard& card)
{
    if (!card.code)
        return QStringLiteral("The card is too large for a QR code, even without its notes, addresses and web sites.");
    QString line = QStringLiteral("%1 bytes").arg(card.payload.size());
    if (!card.leftOut.isEmpty())
        line += QStringLiteral(". %1 left out: the code would be too large to scan")
                    .arg(capitalised(card.leftOut.join(QStringLiteral(", "))));
    return line;
}

QString spoken(const SharedCard& card)
{
    if (!card.code)
        return summary(card);
    QString text = QStringLiteral("QR code of the contact card, %1 bytes").arg(card.payload.size());
    if (!card.leftOut.isEmpty())
        text += QStringLiteral("; %1 left out").arg(card.leftOut.join(QStringLiteral(", ")));
    return text;
}

}  // namespace ShareCard
