#include "qr/ShareCard.h"

#include "core/ContactSource.h"
#include "vcard/ModernCard.h"

#include <QCoreApplication>

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
    //: What a QR code left out, in a list; the first of the list gets a capital letter.
    {QT_TRANSLATE_NOOP("ShareCard", "notes"), {F::Notes}, 1},
    {QT_TRANSLATE_NOOP("ShareCard", "work address"),
     {F::WorkAddress, F::WorkCity, F::WorkRegion, F::WorkZip, F::WorkCountry},
     5},
    {QT_TRANSLATE_NOOP("ShareCard", "home address"),
     {F::HomeAddress, F::HomeCity, F::HomeRegion, F::HomeZip, F::HomeCountry},
     5},
    {QT_TRANSLATE_NOOP("ShareCard", "web sites"), {F::WebsiteHome, F::WebsiteWork}, 2},
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

QString leftOutList(const SharedCard& card)
{
    QStringList names;
    for (const QString& name : card.leftOut)
        names << QCoreApplication::translate("ShareCard", name.toLatin1().constData());
    return names.join(QStringLiteral(", "));
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
        return QCoreApplication::translate(
            "ShareCard", "The card is too large for a QR code, even without its notes, addresses and web sites.");
    //: The size of the card the QR code holds.
    const QString size = QCoreApplication::translate("ShareCard", "%n bytes", nullptr, int(card.payload.size()));
    if (card.leftOut.isEmpty())
        return size;
    //: %1 is the card's size ("1234 bytes"), %2 what was left out ("Notes, work address").
    return QCoreApplication::translate("ShareCard", "%1. %2 left out: the code would be too large to scan")
        .arg(size, capitalised(leftOutList(card)));
}

QString spoken(const SharedCard& card)
{
    if (!card.code)
        return summary(card);
    //: What a screen reader says of the QR code.
    const QString text = QCoreApplication::translate("ShareCard", "QR code of the contact card, %n bytes", nullptr,
                                                     int(card.payload.size()));
    if (card.leftOut.isEmpty())
        return text;
    //: What a screen reader says of the QR code: %1 its description, %2 what was left out ("notes, work address").
    return QCoreApplication::translate("ShareCard", "%1; %2 left out").arg(text, leftOutList(card));
}

}  // namespace ShareCard
