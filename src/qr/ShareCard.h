#pragma once

#include "qr/QrCode.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <optional>

class ContactSource;

/// What the QR code of a contact holds.
struct SharedCard {
    QByteArray payload;          ///< the vCard 3.0 text in the code
    std::optional<QrCode> code;  ///< nothing when even the shortest card is too large
    QStringList leftOut;         ///< left out so that it fits, in order: "notes", "work address"...
};

/// The contact as a QR code a phone's camera reads.
namespace ShareCard {

/**
 * @p contact's vCard 3.0 card without its photo (UTF-8, its UID, REV of
 * @p now) at error correction M, else L. When neither holds it, the notes,
 * the work address, the home address and the web sites are left out, in
 * that order, until it fits. Nothing when the contact holds nothing to
 * share.
 */
std::optional<SharedCard> make(const ContactSource& contact, const QDateTime& now);

/// The line under the code: "214 bytes", "2890 bytes. Notes left out: the
/// code would be too large to scan".
QString summary(const SharedCard& card);

/// What a screen reader says of the code: "QR code of the contact card,
/// 214 bytes; notes left out".
QString spoken(const SharedCard& card);

}  // namespace ShareCard
