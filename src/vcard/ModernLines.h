#pragma once

#include "core/ContactSource.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

enum class CardVersion;  // vcard/ModernCard.h, which includes nothing of this

/// The lines the 3.0/4.0 writers make from the form, one property each,
/// unfolded; "" where the form has nothing for it.
namespace ModernCard::Lines {

QString name(const ContactSource& c);
QString formattedName(const ContactSource& c);
/// The number of phone field @p phone, with its flag.
QString phone(const ContactSource& c, ContactSource::Field phone, CardVersion version);
/// The e-mail address, the notes, the company or a website: field @p f.
QString single(const ContactSource& c, ContactSource::Field f, CardVersion version);
QString address(const ContactSource& c, const ContactSource::Address& fields, CardVersion version);
QString birthday(const ContactSource& c, CardVersion version);
QString productId();
QString revision(const QDateTime& now, CardVersion version);
QString uid(const ContactSource& c);
/// Appends the photo's folded lines to @p out. Throws Error when it cannot be embedded.
void photo(QByteArray& out, const ContactSource& c, CardVersion version);

}  // namespace ModernCard::Lines
