// clsB64::Encode against Qt's decoder: the codes decode to the bytes.
#include "FuzzSupport.h"
#include "photo/clsB64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const clsB64 encoder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray codes("left over");
    encoder.Encode(bytes, codes);
    FUZZ_CHECK(codes.size() == qsizetype((size + 2) / 3 * 4));
    const auto decoded = QByteArray::fromBase64Encoding(codes, QByteArray::AbortOnBase64DecodingErrors);
    FUZZ_CHECK(decoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok);
    FUZZ_CHECK(decoded.decoded == bytes);
    return 0;
}
