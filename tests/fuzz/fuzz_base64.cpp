// clsB64::Encode against Qt's decoder: the codes decode to the bytes. Every
// vector path this processor runs gives the scalar path's codes exactly.
// clsB64::Decode gives the bytes back, and reads any input as Qt does.
#include "FuzzSupport.h"
#include "photo/clsB64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const clsB64 encoder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray codes("left over");
    encoder.Encode(bytes, codes, clsB64::Isa::Scalar);
    FUZZ_CHECK(codes.size() == qsizetype((size + 2) / 3 * 4));
    const auto decoded = QByteArray::fromBase64Encoding(codes, QByteArray::AbortOnBase64DecodingErrors);
    FUZZ_CHECK(decoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok);
    FUZZ_CHECK(decoded.decoded == bytes);
    FUZZ_CHECK(encoder.Decode(codes) == bytes);
    FUZZ_CHECK(encoder.Decode(bytes) == QByteArray::fromBase64(bytes));
    for (const clsB64::Isa isa : {clsB64::Isa::Ssse3, clsB64::Isa::Avx2}) {
        if (isa > clsB64::fastest())
            break;
        QByteArray vector("left over");
        encoder.Encode(bytes, vector, isa);
        FUZZ_CHECK(vector == codes);
    }
    return 0;
}
