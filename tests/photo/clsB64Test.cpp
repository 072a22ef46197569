#include "photo/clsB64.h"
#include "core/Error.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <vector>

namespace {

QByteArray randomBytes(qsizetype n, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(n, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

QByteArray encode(const QByteArray& input)
{
    QByteArray out;
    clsB64().Encode(input, out);
    return out;
}

/// Every way of encoding this processor runs, the scalar one first.
std::vector<clsB64::Isa> isas()
{
    std::vector<clsB64::Isa> all;
    for (const clsB64::Isa isa : {clsB64::Isa::Scalar, clsB64::Isa::Ssse3, clsB64::Isa::Avx2}) {
        if (isa <= clsB64::fastest())
            all.push_back(isa);
    }
    return all;
}

const char* nameOf(clsB64::Isa isa)
{
    return isa == clsB64::Isa::Scalar ? "scalar" : isa == clsB64::Isa::Ssse3 ? "SSSE3" : "AVX2";
}

}  // namespace

// Qt's own encoder is the independent reference; the vector loops' edges
// (16, 28 and 52 bytes left) all fall below a thousand.
TEST(clsB64, EveryLengthUpToAThousandMatchesTheReference)
{
    const QByteArray data = randomBytes(1000, 42);
    const clsB64 encoder;
    QByteArray out;
    for (const clsB64::Isa isa : isas()) {
        for (qsizetype n = 0; n <= 1000; ++n) {
            const QByteArray input = data.left(n);
            encoder.Encode(input, out, isa);
            ASSERT_EQ(out, input.toBase64()) << nameOf(isa) << ", length " << n;
            ASSERT_EQ(out.size(), 4 * ((n + 2) / 3));
        }
    }
}

// Inputs this large are encoded around the caches, from an aligned start.
TEST(clsB64, LargeInputsMatchTheReference)
{
    const QByteArray data = randomBytes((17 << 20) + 2, 7);
    const clsB64 encoder;
    for (const qsizetype n : {qsizetype(1) << 20, qsizetype(17) << 20, (qsizetype(17) << 20) + 1, data.size()}) {
        const QByteArray input = QByteArray::fromRawData(data.constData(), n);
        const QByteArray reference = input.toBase64();
        for (const clsB64::Isa isa : isas()) {
            QByteArray out;
            encoder.Encode(input, out, isa);
            ASSERT_EQ(out, reference) << nameOf(isa) << ", length " << n;
        }
    }
}

// Qt's decoder is the reference, whatever the codes hold: what it skips,
// "=" where it does not belong, a group cut short.
TEST(clsB64, DecodesAsQtDecodes)
{
    const clsB64 decoder;
    const QByteArray data = randomBytes(1000, 5);
    for (qsizetype n = 0; n <= 1000; ++n) {
        const QByteArray codes = data.left(n).toBase64();
        ASSERT_EQ(decoder.Decode(codes), data.left(n)) << "length " << n;
    }
    const QList<QByteArray> odd = {
        "TWFu\r\nTWFu", " TWFu", "TWF",  "TW=u",     "TWFu=",
        "TQ=",          "TQ===", "====", "TQ==TWFu", "T*Fu",
        "TWFu\xffTW==", "-_-_",  "TR==", "TWF=",     QByteArray("TW\0u", 4),
    };
    for (const QByteArray& codes : odd)
        EXPECT_EQ(decoder.Decode(codes), QByteArray::fromBase64(codes)) << codes.toStdString();
    const QByteArray photo = randomBytes(3 << 20, 9);
    EXPECT_EQ(decoder.Decode(photo.toBase64()), photo);
}

TEST(clsB64, EveryByteValueAndPadding)
{
    QByteArray all;
    for (int v = 0; v < 256; ++v)
        all.append(char(v));
    EXPECT_EQ(encode(all), all.toBase64());
    EXPECT_EQ(encode("M"), "TQ==");
    EXPECT_EQ(encode("Ma"), "TWE=");
    EXPECT_EQ(encode("Man"), "TWFu");
    EXPECT_EQ(encode(QByteArray(3, '\xff')), "////");
    EXPECT_EQ(encode(QByteArray(3, '\xfb')), "+/v7");
    EXPECT_TRUE(encode(QByteArray()).isEmpty());
}

TEST(clsB64, OutputIsReplacedNotAppended)
{
    const clsB64 encoder;
    QByteArray out(100, 'x');
    encoder.Encode("Man", out);
    EXPECT_EQ(out, "TWFu");
    encoder.Encode("Man", out);
    EXPECT_EQ(out, "TWFu");
    QString text = QStringLiteral("old");
    encoder.ByteArrayToString(out, text);
    EXPECT_EQ(text, "TWFu");
}

TEST(clsB64, LoadReadsTheWholeFileOrLeavesTheOutput)
{
    QTemporaryDir dir;
    const QByteArray data = randomBytes(70000, 3);
    TestSupport::writeFile(dir.filePath("photo.jpg"), data);
    TestSupport::writeFile(dir.filePath("empty.jpg"), QByteArray());
    const clsB64 encoder;
    QByteArray out = "previous";
    encoder.Load(dir.filePath("photo.jpg"), out);
    EXPECT_EQ(out, data);

    out = "previous";
    try {
        encoder.Load(dir.filePath("missing.jpg"), out);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::FileNotFound);
        EXPECT_TRUE(e.description().contains(dir.filePath("missing.jpg")));
    }
    EXPECT_EQ(out, "previous");
    EXPECT_THROW(encoder.Load(dir.path(), out), Error);  // a folder
    EXPECT_EQ(out, "previous");

    encoder.Load(dir.filePath("empty.jpg"), out);
    EXPECT_TRUE(out.isEmpty());
}
