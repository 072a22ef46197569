#include "photo/clsB64.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILLMERE_HAVE_X86 1
#endif

namespace {

/// What is no code, in the look-up of a code's value.
constexpr std::uint32_t noCode = 1u << 24;

}  // namespace

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

    for (auto& place : m_values)
        place.fill(noCode);
    for (std::uint32_t v = 0; v < 64; ++v) {
        for (int place = 0; place < 4; ++place)
            m_values[place][pbEncodeTable[v]] = v << (18 - 6 * place);
    }

    // Digit values fall into classes 0..13 (see codesOf); within a
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
        throw Error(number,
                    QCoreApplication::translate("clsB64", "Cannot read %1: %2").arg(strPathName, file.errorString()));
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

#ifdef QUILLMERE_HAVE_X86
// Twelve bytes become sixteen codes per lane and step (the well-known
// pshufb method): the bytes are spread into 6-bit values, each value is
// mapped to its class, and the class's offset is added.
// Class: 0 for 26..51, 1..10 for 52..61, 11 and 12 for 62, 63, 13 for 0..25.

[[gnu::always_inline]] inline __attribute__((target("ssse3"))) __m128i codesOf(__m128i bytes, __m128i offsetTable)
{
    const __m128i spread = _mm_set_epi8(10, 11, 9, 10, 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1);
    const __m128i v = _mm_shuffle_epi8(bytes, spread);
    const __m128i hi = _mm_mulhi_epu16(_mm_and_si128(v, _mm_set1_epi32(0x0fc0fc00)), _mm_set1_epi32(0x04000040));
    const __m128i lo = _mm_mullo_epi16(_mm_and_si128(v, _mm_set1_epi32(0x003f03f0)), _mm_set1_epi32(0x01000010));
    const __m128i values = _mm_or_si128(hi, lo);
    __m128i classes = _mm_subs_epu8(values, _mm_set1_epi8(51));
    const __m128i upper = _mm_cmpgt_epi8(_mm_set1_epi8(26), values);
    classes = _mm_or_si128(classes, _mm_and_si128(upper, _mm_set1_epi8(13)));
    return _mm_add_epi8(_mm_shuffle_epi8(offsetTable, classes), values);
}

[[gnu::always_inline]] inline __attribute__((target("avx2"))) __m256i codesOf(__m256i bytes, __m256i offsetTable)
{
    const __m256i spread = _mm256_broadcastsi128_si256(_mm_set_epi8(10, 11, 9, 10, 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1));
    const __m256i v = _mm256_shuffle_epi8(bytes, spread);
    const __m256i hi =
        _mm256_mulhi_epu16(_mm256_and_si256(v, _mm256_set1_epi32(0x0fc0fc00)), _mm256_set1_epi32(0x04000040));
    const __m256i lo =
        _mm256_mullo_epi16(_mm256_and_si256(v, _mm256_set1_epi32(0x003f03f0)), _mm256_set1_epi32(0x01000010));
    const __m256i values = _mm256_or_si256(hi, lo);
    __m256i classes = _mm256_subs_epu8(values, _mm256_set1_epi8(51));
    const __m256i upper = _mm256_cmpgt_epi8(_mm256_set1_epi8(26), values);
    classes = _mm256_or_si256(classes, _mm256_and_si256(upper, _mm256_set1_epi8(13)));
    return _mm256_add_epi8(_mm256_shuffle_epi8(offsetTable, classes), values);
}

/// Returns the bytes consumed: a multiple of twelve, leaving fewer than sixteen.
__attribute__((target("ssse3"))) std::size_t encodeSsse3(const std::uint8_t* in, std::size_t n, char* out,
                                                         const std::int8_t* offsets)
{
    const __m128i offsetTable = _mm_loadu_si128(reinterpret_cast<const __m128i*>(offsets));
    std::size_t done = 0;
    for (; n - done >= 16; done += 12, out += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), codesOf(bytes, offsetTable));
    }
    return done;
}

/// Twenty-four bytes a step, twelve in each lane (each lane's load reads
/// sixteen). Returns the bytes consumed: a multiple of 24, leaving fewer
/// than 28. With @p stream, @p out is 32-byte aligned and the codes go
/// around the caches, so memory is not read before it is written.
/// Twelve bytes at @p in in the low lane, twelve at @p in + 12 in the high one.
[[gnu::always_inline]] inline __attribute__((target("avx2"))) __m256i lanesOf(const std::uint8_t* in)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 12));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
}

template <bool stream>
[[gnu::always_inline]] inline __attribute__((target("avx2"))) void store(char* out, __m256i codes)
{
    if constexpr (stream)
        _mm256_stream_si256(reinterpret_cast<__m256i*>(out), codes);
    else
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), codes);
}

template <bool stream>
__attribute__((target("avx2"))) std::size_t encodeAvx2(const std::uint8_t* in, std::size_t n, char* out,
                                                       const std::int8_t* offsets)
{
    const __m256i offsetTable = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(offsets)));
    std::size_t done = 0;
    for (; n - done >= 52; done += 48, out += 64) {
        const __m256i a = lanesOf(in + done);
        const __m256i b = lanesOf(in + done + 24);
        store<stream>(out, codesOf(a, offsetTable));
        store<stream>(out + 32, codesOf(b, offsetTable));
    }
    for (; n - done >= 28; done += 24, out += 32)
        store<stream>(out, codesOf(lanesOf(in + done), offsetTable));
    if constexpr (stream)
        _mm_sfence();
    return done;
}
#endif

/// Codes of inputs this large are stored around the caches: they would
/// only push everything else out of them.
constexpr std::size_t streamFrom = std::size_t(16) << 20;

}  // namespace

clsB64::Isa clsB64::fastest()
{
#ifdef QUILLMERE_HAVE_X86
    static const Isa isa = __builtin_cpu_supports("avx2")    ? Isa::Avx2
                           : __builtin_cpu_supports("ssse3") ? Isa::Ssse3
                                                             : Isa::Scalar;
    return isa;
#else
    return Isa::Scalar;
#endif
}

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
    Encode(pbArrayInput, pbArrayOutput, fastest());
}

void clsB64::Encode(const QByteArray& pbArrayInput, QByteArray& pbArrayOutput, Isa isa) const
{
    const auto* in = reinterpret_cast<const std::uint8_t*>(pbArrayInput.constData());
    const std::size_t n = std::size_t(pbArrayInput.size());
    pbArrayOutput.resize(qsizetype((n + 2) / 3 * 4));
    char* out = pbArrayOutput.data();
    std::size_t done = 0;
#ifdef QUILLMERE_HAVE_X86
    const auto address = reinterpret_cast<std::uintptr_t>(out);
    if (isa == Isa::Avx2 && n >= streamFrom && address % 4 == 0) {
        // Groups of three up to the first aligned code, then streamed.
        done = (32 - address % 32) % 32 / 4 * 3;
        encodeScalar(in, done, out);
        done += encodeAvx2<true>(in + done, n - done, out + done / 3 * 4, m_offsets.data());
    } else if (isa == Isa::Avx2) {
        done = encodeAvx2<false>(in, n, out, m_offsets.data());
    } else if (isa == Isa::Ssse3) {
        done = encodeSsse3(in, n, out, m_offsets.data());
    }
#else
    Q_UNUSED(isa);
#endif
    encodeScalar(in + done, n - done, out + done / 3 * 4);
}

QByteArray clsB64::Decode(const QByteArray& codes) const
{
    const auto* in = reinterpret_cast<const std::uint8_t*>(codes.constData());
    const std::size_t n = std::size_t(codes.size());
    // Anything but whole groups of four codes, the last one padded with at
    // most two "=", is left to Qt.
    const std::size_t padding = n % 4 != 0 || n == 0 ? 0 : in[n - 1] != '=' ? 0 : in[n - 2] != '=' ? 1 : 2;
    if (n % 4 != 0)
        return QByteArray::fromBase64(codes);
    QByteArray bytes(qsizetype(n / 4 * 3 - padding), Qt::Uninitialized);
    auto* out = reinterpret_cast<std::uint8_t*>(bytes.data());
    const std::size_t whole = n - (padding > 0 ? 4 : 0);
    std::uint32_t seen = 0;
    for (std::size_t i = 0; i < whole; i += 4, out += 3) {
        const std::uint32_t v =
            m_values[0][in[i]] | m_values[1][in[i + 1]] | m_values[2][in[i + 2]] | m_values[3][in[i + 3]];
        seen |= v;
        out[0] = std::uint8_t(v >> 16);
        out[1] = std::uint8_t(v >> 8);
        out[2] = std::uint8_t(v);
    }
    if (padding > 0) {
        const std::uint32_t v =
            m_values[0][in[whole]] | m_values[1][in[whole + 1]] | (padding == 1 ? m_values[2][in[whole + 2]] : 0);
        seen |= v;
        out[0] = std::uint8_t(v >> 16);
        if (padding == 1)
            out[1] = std::uint8_t(v >> 8);
    }
    return seen & noCode ? QByteArray::fromBase64(codes) : bytes;
}

void clsB64::ByteArrayToString(const QByteArray& pbArrayInput, QString& strOut) const
{
    strOut = QString::fromLatin1(pbArrayInput);
}
