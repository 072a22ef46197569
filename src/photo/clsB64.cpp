#include "photo/clsB64.h"

#include "core/Error.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILLMERE_HAVE_SSSE3 1
#endif

clsB64::clsB64()
{
    for (int code = 'A'; code <= 'Z'; ++code)
        pbEncodeTable[code - 65] = std::uint8_t(code);
    for (int code = 'a'; code <= 'z'; ++code)
        pbEncodeTable[code - 71] = std::uint8_t(code);
    for (int code = '0'; code <= '9'; ++code)
        pbEncodeTable[code + 4] = std::uint8_t(code);
    pbEncodeTable[62] = '+';
    pbEncodeTable[63] = '/';

    for (int v = 0; v < 4096; ++v) {
        const std::uint8_t pair[2] = {pbEncodeTable[v >> 6], pbEncodeTable[v & 63]};
        std::memcpy(&m_pairs[v], pair, 2);
    }

    // Digit values fall into classes 0..13 (see encodeBlocks); within a
    // class the code is the value plus one offset, taken from the table.
    m_offsets.fill(0);
    m_offsets[13] = std::int8_t(pbEncodeTable[0] - 0);
    m_offsets[0] = std::int8_t(pbEncodeTable[26] - 26);
    for (int k = 1; k <= 10; ++k)
        m_offsets[k] = std::int8_t(pbEncodeTable[51 + k] - (51 + k));
    m_offsets[11] = std::int8_t(pbEncodeTable[62] - 62);
    m_offsets[12] = std::int8_t(pbEncodeTable[63] - 63);
}

void clsB64::Load(const QString& strPathName, QByteArray& pbArrayOutput) const
{
    QFile file(strPathName);
    const auto fail = [&](int number) {
        throw Error(number, QStringLiteral("Cannot read %1: %2").arg(strPathName, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        fail(QFileInfo::exists(strPathName) ? Error::FileAccess : Error::FileNotFound);
    const qint64 size = file.size();
    QByteArray content(size, Qt::Uninitialized);
    if (file.read(content.data(), size) != size)
        fail(Error::FileAccess);
    pbArrayOutput = std::move(content);
}

namespace {

#ifdef QUILLMERE_HAVE_SSSE3
// Twelve bytes become sixteen codes per step (the well-known pshufb
// method): the bytes are spread into 6-bit values, each value is mapped to
// its class, and the class's offset is added. Returns the bytes consumed.
__attribute__((target("ssse3"))) std::size_t encodeBlocks(const std::uint8_t* in, std::size_t n, char* out,
                                                          const std::int8_t* offsets)
{
    const __m128i offsetTable = _mm_loadu_si128(reinterpret_cast<const __m128i*>(offsets));
    const __m128i spread = _mm_set_epi8(10, 11, 9, 10, 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1);
    std::size_t done = 0;
    for (; n - done >= 16; done += 12, out += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
        v = _mm_shuffle_epi8(v, spread);
        const __m128i hi = _mm_mulhi_epu16(_mm_and_si128(v, _mm_set1_epi32(0x0fc0fc00)), _mm_set1_epi32(0x04000040));
        const __m128i lo = _mm_mullo_epi16(_mm_and_si128(v, _mm_set1_epi32(0x003f03f0)), _mm_set1_epi32(0x01000010));
        const __m128i values = _mm_or_si128(hi, lo);
        // Class: 0 for 26..51, 1..10 for 52..61, 11 and 12 for 62, 63, 13 for 0..25.
        __m128i classes = _mm_subs_epu8(values, _mm_set1_epi8(51));
        const __m128i upper = _mm_cmpgt_epi8(_mm_set1_epi8(26), values);
        classes = _mm_or_si128(classes, _mm_and_si128(upper, _mm_set1_epi8(13)));
        const __m128i codes = _mm_add_epi8(_mm_shuffle_epi8(offsetTable, classes), values);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), codes);
    }
    return done;
}

bool hasSsse3()
{
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#endif

}  // namespace

void clsB64::encodeScalar(const std::uint8_t* in, std::size_t n, char* out) const
{
    const std::size_t full = n - n % 3;
    for (std::size_t i = 0; i < full; i += 3, out += 4) {
        const std::uint32_t v = (std::uint32_t(in[i]) << 16) | (std::uint32_t(in[i + 1]) << 8) | in[i + 2];
        std::memcpy(out, &m_pairs[v >> 12], 2);
        std::memcpy(out + 2, &m_pairs[v & 0xfff], 2);
    }
    in += full;
    if (n % 3 == 1) {
        out[0] = char(pbEncodeTable[in[0] >> 2]);
        out[1] = char(pbEncodeTable[(in[0] & 3) << 4]);
        out[2] = out[3] = '=';
    } else if (n % 3 == 2) {
        out[0] = char(pbEncodeTable[in[0] >> 2]);
        out[1] = char(pbEncodeTable[((in[0] & 3) << 4) | (in[1] >> 4)]);
        out[2] = char(pbEncodeTable[(in[1] & 15) << 2]);
        out[3] = '=';
    }
}

void clsB64::Encode(const QByteArray& pbArrayInput, QByteArray& pbArrayOutput) const
{
    const auto* in = reinterpret_cast<const std::uint8_t*>(pbArrayInput.constData());
    const std::size_t n = std::size_t(pbArrayInput.size());
    pbArrayOutput.resize(qsizetype((n + 2) / 3 * 4));
    char* out = pbArrayOutput.data();
    std::size_t done = 0;
#ifdef QUILLMERE_HAVE_SSSE3
    if (hasSsse3())
        done = encodeBlocks(in, n, out, m_offsets.data());
#endif
    encodeScalar(in + done, n - done, out + done / 3 * 4);
}

void clsB64::ByteArrayToString(const QByteArray& pbArrayInput, QString& strOut) const
{
    strOut = QString::fromLatin1(pbArrayInput);
}
