// The card reader over arbitrary bytes: a card or an Error, never a crash,
// a hang or a read past the input; it names as many cards as it can read,
// and what it fills fits the form's boxes.
#include "FuzzSupport.h"
#include "core/Error.h"
#include "vcard/CardReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView file(data, qsizetype(size));
    QStringList names;
    try {
        names = CardReader::names(file, 1252);
    } catch (const Error&) {
        // No card: reading one must fail the same way.
        try {
            CardReader::read(file, 1252);
            FUZZ_CHECK(false);
        } catch (const Error&) {
        }
        return 0;
    }
    FUZZ_CHECK(!names.isEmpty());
    const ReadCard card = CardReader::read(file, 1252, int(names.size() - 1));
    for (int i = 0; i < ContactSource::FieldCount; ++i) {
        // A street joins up to three parts of 64 KB.
        const qsizetype most = i == ContactSource::Notes ? 1024 * 1024 : 3 * 64 * 1024 + 4;
        FUZZ_CHECK(card.contact.text(i).size() <= most);
    }
    FUZZ_CHECK(card.contact.text(ContactSource::PhotoPath).isEmpty());  // never a path from a card
    FUZZ_CHECK(!card.contact.birthDate.isValid() || card.contact.birthDate.year() >= 1);
    return 0;
}
