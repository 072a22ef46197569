// A card from the form to its bytes: the photo block, the card text, the
// two encodings and the file write.
#include "core/ContactSource.h"
#include "photo/PhotoBlock.h"
#include "vcard/CardFile.h"
#include "vcard/modVCard.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using F = ContactSource::Field;

namespace {

struct Fixture {
    Fixture(qsizetype photoBytes)
    {
        QByteArray photo(photoBytes, Qt::Uninitialized);
        QRandomGenerator(2).fillRange(reinterpret_cast<quint32*>(photo.data()), photo.size() / 4);
        QFile file(dir.filePath("photo.jpg"));
        file.open(QIODevice::WriteOnly);
        file.write(photo);
        file.close();
        contact.fields[F::LastName] = QStringLiteral("Marlow");
        contact.fields[F::FirstName] = QStringLiteral("Tessa");
        contact.fields[F::Company] = QStringLiteral("Harbor & Finch; Ltd.");
        contact.fields[F::PhotoPath] = dir.filePath("photo.jpg");
        contact.fields[F::Notes] = QString(100000, u'n');
        contact.birthDate = QDate(1984, 3, 7);
    }
    QTemporaryDir dir;
    ContactRecord contact;
};

const QDateTime now(QDate(2025, 1, 14), QTime(9, 30, 5));

void PhotoBlock(benchmark::State& state)
{
    Fixture f(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(modVCard::BuildPhotoBlock(f.contact));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PhotoBlock)->Arg(3 << 20)->Unit(benchmark::kMillisecond);

void CardText(benchmark::State& state)
{
    Fixture f(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(modVCard::buildCard(f.contact, now));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CardText)->Arg(3 << 20)->Unit(benchmark::kMillisecond);

void CardBytes(benchmark::State& state)
{
    Fixture f(3 << 20);
    QString card = modVCard::buildCard(f.contact, now);
    card.replace(QStringLiteral("Marlow"), QStringLiteral("Mårłow"));  // a few characters iconv must map
    const auto encoding = state.range(0) ? CardEncoding::Utf8 : CardEncoding::Ansi;
    for (auto _ : state)
        benchmark::DoNotOptimize(CardFile::bytes(card, encoding, 1252));
    state.SetBytesProcessed(state.iterations() * card.size());
    state.SetLabel(state.range(0) ? "UTF-8" : "ANSI 1252");
}
BENCHMARK(CardBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void WholeSave(benchmark::State& state)
{
    Fixture f(3 << 20);
    const QString target = f.dir.filePath("card.vcf");
    for (auto _ : state) {
        const QString card = modVCard::buildCard(f.contact, now);
        CardFile::writeReplacing(target, CardFile::bytes(card, CardEncoding::Utf8, 1252));
    }
    state.SetBytesProcessed(state.iterations() * (3 << 20));
}
BENCHMARK(WholeSave)->Unit(benchmark::kMillisecond);

}  // namespace
