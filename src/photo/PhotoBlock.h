#pragma once

#include <QString>

class ContactSource;

namespace modVCard {

/**
 * The card's PHOTO property for the file named in field 24: the
 * "PHOTO;JPEG;BASE64:" line, then the file's Base64 text in lines of four
 * blanks and up to 64 codes, every line ending with CR LF. A BMP (by its
 * extension) is converted to JPEG first, through a private temporary file
 * that is gone when this returns; any other file is embedded as it is.
 *
 * Throws Error when the photo cannot be read, decoded or converted.
 */
QString BuildPhotoBlock(const ContactSource& contact);

}  // namespace modVCard
