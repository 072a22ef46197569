#pragma once

#include "vcard/ModernCard.h"

/// The lines the 3.0/4.0 writers make from the form, one property each,
/// unfolded; "" where the form has nothing for it.
namespace ModernCard::Lines {

QString name(const ContactSource& c);
QString formattedName(const ContactSource& c);
/// The number of phone field HomeVoice + @p index, with its flag.
QString phone(const ContactSource& c, int index, CardVersion version);
/// The e-mail address, the notes, the company or a website: field @p i.
QString single(const ContactSource& c, int i, CardVersion version);
/// The address whose street is field @p first.
QString address(const ContactSource& c, int first, CardVersion version);
QString birthday(const ContactSource& c, CardVersion version);
QString productId();
QString revision(const QDateTime& now, CardVersion version);
QString uid(const ContactSource& c);
/// Appends the photo's folded lines to @p out. Throws Error when it cannot be embedded.
void photo(QByteArray& out, const ContactSource& c, CardVersion version);

}  // namespace ModernCard::Lines
