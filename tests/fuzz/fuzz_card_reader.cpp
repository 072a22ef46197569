// The card reader over arbitrary bytes: a card or an Error, never a crash,
// a hang or a read past the input; what it fills fits the form.
#include "FuzzSupport.h"
#include "core/Error.h"
#include "vcard/CardReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const QByteArrayView file(data, qsizetype(size));
        const ReadCard card = CardReader::read(file, 1252);
        FUZZ_CHECK(!CardReader::names(file, 1252).isEmpty());
        FUZZ_CHECK(!card.contact.birthDate.isValid() || card.contact.birthDate.year() >= 1);
    } catch (const Error&) {
    }
    return 0;
}
