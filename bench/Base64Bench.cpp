// Base64 throughput: the hot path of a save with a large photo.
#include "photo/clsB64.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QRandomGenerator>

#ifdef QUILLMERE_HAVE_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

QByteArray randomBytes(qsizetype n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    QRandomGenerator generator(1);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), n / 4);
    return bytes;
}

void Encode(benchmark::State& state)
{
    const QByteArray input = randomBytes(state.range(0));
    const clsB64 encoder;
    QByteArray output;
    encoder.Encode(input, output);  // the buffer is reused, as a real caller may
    for (auto _ : state) {
        encoder.Encode(input, output);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(Encode)->Arg(64 << 10)->Arg(3 << 20)->Arg(10 << 20);

// The whole path as a save runs it: a fresh output array every time.
void EncodeFreshOutput(benchmark::State& state)
{
    const QByteArray input = randomBytes(state.range(0));
    const clsB64 encoder;
    for (auto _ : state) {
        QByteArray output;
        encoder.Encode(input, output);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(EncodeFreshOutput)->Arg(10 << 20);

#ifdef QUILLMERE_HAVE_OPENSSL
void OpenSslEncodeBlock(benchmark::State& state)
{
    const QByteArray input = randomBytes(state.range(0));
    QByteArray output((input.size() + 2) / 3 * 4 + 1, Qt::Uninitialized);
    for (auto _ : state) {
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(output.data()),
                        reinterpret_cast<const unsigned char*>(input.constData()), int(input.size()));
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(OpenSslEncodeBlock)->Arg(64 << 10)->Arg(3 << 20)->Arg(10 << 20);
#endif

}  // namespace
