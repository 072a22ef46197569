// The reader of HTTP replies over arbitrary bytes, cut into arbitrary
// pieces: where the bytes are cut never changes what is read, and the body
// kept never passes its limit.
#include "FuzzSupport.h"
#include "carddav/HttpReplyParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const qint64 limit = in.ConsumeIntegralInRange<qint64>(0, 4096);
    const bool closes = in.ConsumeBool();
    const std::string cuts = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 64));
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArrayView reply(rest.data(), qsizetype(rest.size()));

    HttpReplyParser whole(limit);
    whole.feed(reply);
    HttpReplyParser pieces(limit);
    qsizetype at = 0;
    for (const char cut : cuts) {
        const qsizetype length = qMin<qsizetype>(static_cast<unsigned char>(cut), reply.size() - at);
        pieces.feed(reply.sliced(at, length));
        at += length;
    }
    pieces.feed(reply.sliced(at));
    if (closes) {
        whole.closed();
        pieces.closed();
    }

    using State = HttpReplyParser::State;
    FUZZ_CHECK(whole.state() == pieces.state());
    FUZZ_CHECK(whole.status() == pieces.status());
    FUZZ_CHECK(whole.fault() == pieces.fault());
    FUZZ_CHECK(whole.fault().isEmpty() == (whole.state() != State::Malformed));
    // Past the limit, how much was kept before the cut depends on the pieces.
    if (whole.state() != State::TooLarge && whole.state() != State::Malformed)
        FUZZ_CHECK(whole.body() == pieces.body());
    FUZZ_CHECK(whole.body().size() <= limit && pieces.body().size() <= limit);
    FUZZ_CHECK(whole.state() != State::Whole || (whole.status() >= 200 && whole.status() <= 999));
    FUZZ_CHECK(whole.header("Content-Length").size() <= HttpReplyParser::longestHead);
    return 0;
}
