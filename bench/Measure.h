#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

/// Timing and the report table of make bench.
namespace Measure {

/// Seconds: the smallest of the batches' medians, and the smallest of their
/// 99th percentiles (nearest rank), each judged the same way.
struct Timing {
    double median;
    double p99;
};

/// How many batches a figure is measured in: a median per batch, the
/// smallest of them kept, so that a burst of the machine's other work in
/// one batch does not move the figure.
constexpr int batches = 5;

namespace Detail {

inline double seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double p99(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[(values.size() * 99 + 99) / 100 - 1];
}

inline Timing summary(const std::vector<std::vector<double>>& perBatch)
{
    Timing best{median(perBatch.front()), p99(perBatch.front())};
    for (const std::vector<double>& batch : perBatch) {
        best.median = std::min(best.median, median(batch));
        best.p99 = std::min(best.p99, p99(batch));
    }
    return best;
}

}  // namespace Detail

/// @p work about @p runs times, in batches (at least three runs each).
inline Timing time(int runs, const std::function<void()>& work)
{
    work();  // warm caches and lazy set-up
    const int each = std::max(3, runs / batches);
    std::vector<std::vector<double>> perBatch(batches);
    for (std::vector<double>& batch : perBatch) {
        for (int i = 0; i < each; ++i)
            batch.push_back(Detail::seconds(work));
    }
    return Detail::summary(perBatch);
}

/// @p ours and its yardstick @p floor, their batches taken in turn, so that
/// a slower spell of the machine weighs on both alike.
inline std::pair<Timing, Timing> compare(int runs, const std::function<void()>& ours,
                                         const std::function<void()>& floor)
{
    ours();
    floor();
    const int each = std::max(3, runs / batches);
    std::vector<std::vector<double>> a(batches), b(batches);
    for (int n = 0; n < batches; ++n) {
        for (int i = 0; i < each; ++i) {
            a[n].push_back(Detail::seconds(ours));
            b[n].push_back(Detail::seconds(floor));
        }
    }
    return {Detail::summary(a), Detail::summary(b)};
}

inline QString ms(double seconds)
{
    return QString::number(seconds * 1e3, 'f', seconds < 0.01 ? 2 : 1) + QStringLiteral(" ms");
}

inline QString mib(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 1) + QStringLiteral(" MiB");
}

inline QString throughput(qint64 bytes, double seconds)
{
    return QString::number(double(bytes) / seconds / 1e9, 'f', 2) + QStringLiteral(" GB/s");
}

/// A line of /proc/self/status, in KiB.
inline qint64 statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stoll(line.substr(std::string(field).size()));
    }
    return -1;
}

inline qint64 residentKiB()
{
    return statusKiB("VmRSS:");
}
inline qint64 peakKiB()
{
    return statusKiB("VmHWM:");
}

/// Starts the peak of the resident set afresh (Linux 4.0 and later).
inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

class Table {
public:
    /// Higher is better: PASS when @p ratio is at least @p least.
    void speedup(const QString& what, const QString& value, const QString& yardstick, double ratio, double least)
    {
        add(what, value, yardstick, ratio, QStringLiteral("≥ %1×").arg(least), ratio >= least);
    }
    /// Lower is better: PASS when @p ratio is at most @p most (0: no budget).
    void cost(const QString& what, const QString& value, const QString& floor, double ratio, double most)
    {
        add(what, value, floor, ratio, most > 0 ? QStringLiteral("≤ %1×").arg(most) : QString(),
            most <= 0 || ratio <= most);
    }
    /// An absolute budget: PASS when @p amount is at most @p most (0: no budget).
    void limit(const QString& what, const QString& value, const QString& floor, double ratio, double amount,
               double most)
    {
        add(what, value, floor, ratio, most > 0 ? QStringLiteral("≤ %1 ms").arg(most) : QString(),
            most <= 0 || amount <= most);
    }
    void note(const QString& text) { m_notes << text; }

    void print() const
    {
        std::printf("| figure | value | floor or yardstick | ratio | budget | result |\n");
        std::printf("|---|---|---|---|---|---|\n");
        for (const QStringList& row : m_rows)
            std::printf("| %s |\n", qPrintable(row.join(QStringLiteral(" | "))));
        for (const QString& n : m_notes)
            std::printf("\n%s", qPrintable(n));
        std::printf("\n");
    }

private:
    void add(const QString& what, const QString& value, const QString& floor, double ratio, const QString& budget,
             bool pass)
    {
        m_rows << QStringList{
            what,   value,
            floor,  QString::number(ratio, 'f', 2) + u'×',
            budget, budget.isEmpty() ? QStringLiteral("—") : pass ? QStringLiteral("PASS") : QStringLiteral("OVER")};
    }

    QList<QStringList> m_rows;
    QStringList m_notes;
};

}  // namespace Measure
