#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cmath>
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

/// Two measurements of a figure agree when they differ by at most this share.
constexpr double agreement = 0.10;
/// Measurements of one figure at most, when no two in a row agree.
constexpr int mostMeasurements = 6;

namespace Detail {

inline bool agree(double a, double b)
{
    return std::abs(a - b) <= agreement * std::max(a, b);
}

inline bool agree(const Timing& a, const Timing& b)
{
    return agree(a.median, b.median) && agree(a.p99, b.p99);
}

inline Timing mean(const Timing& a, const Timing& b)
{
    return {(a.median + b.median) / 2, (a.p99 + b.p99) / 2};
}

inline double mean(double a, double b)
{
    return (a + b) / 2;
}

template <typename T> std::pair<T, T> mean(const std::pair<T, T>& a, const std::pair<T, T>& b)
{
    return {mean(a.first, b.first), mean(a.second, b.second)};
}

template <typename T> bool agree(const std::pair<T, T>& a, const std::pair<T, T>& b)
{
    return agree(a.first, b.first) && agree(a.second, b.second);
}

template <typename T> std::vector<T> mean(const std::vector<T>& a, const std::vector<T>& b)
{
    std::vector<T> both;
    for (std::size_t i = 0; i < a.size(); ++i)
        both.push_back(mean(a[i], b[i]));
    return both;
}

template <typename T> bool agree(const std::vector<T>& a, const std::vector<T>& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!agree(a[i], b[i]))
            return false;
    }
    return true;
}

/// How many figures were measured more than twice, and how many never agreed.
struct Agreement {
    int remeasured = 0;
    int unsettled = 0;
};
inline Agreement& agreementSoFar()
{
    static Agreement counts;
    return counts;
}

}  // namespace Detail

/**
 * A judged figure: measured twice, and again while the last two disagree
 * by more than 10 % (at most six times), never skipped. Gives the mean of
 * the last two; when no two agreed, the last one, counted as unsettled.
 */
template <typename Figure> Figure agreed(const std::function<Figure()>& measure)
{
    Figure last = measure();
    for (int n = 2; n <= mostMeasurements; ++n) {
        const Figure next = measure();
        if (Detail::agree(last, next)) {
            Detail::agreementSoFar().remeasured += n > 2;
            return Detail::mean(last, next);
        }
        last = next;
    }
    ++Detail::agreementSoFar().unsettled;
    return last;
}

/// The agreement of the figures so far, for the report's notes.
inline QString agreementNote()
{
    const Detail::Agreement& counts = Detail::agreementSoFar();
    return QStringLiteral("Every judged figure was measured twice; %1 measured again because two measurements "
                          "differed by more than 10 %, %2 of them without two that agreed in %3 measurements.")
        .arg(counts.remeasured + counts.unsettled)
        .arg(counts.unsettled)
        .arg(mostMeasurements);
}

namespace Detail {

inline Timing timeOnce(int runs, const std::function<void()>& work)
{
    work();  // warm caches and lazy set-up
    const int each = std::max(3, runs / batches);
    std::vector<std::vector<double>> perBatch(batches);
    for (std::vector<double>& batch : perBatch) {
        for (int i = 0; i < each; ++i)
            batch.push_back(seconds(work));
    }
    return summary(perBatch);
}

inline std::pair<Timing, Timing> compareOnce(int runs, const std::function<void()>& ours,
                                             const std::function<void()>& floor)
{
    ours();
    floor();
    const int each = std::max(3, runs / batches);
    std::vector<std::vector<double>> a(batches), b(batches);
    for (int n = 0; n < batches; ++n) {
        for (int i = 0; i < each; ++i) {
            a[n].push_back(seconds(ours));
            b[n].push_back(seconds(floor));
        }
    }
    return {summary(a), summary(b)};
}

}  // namespace Detail

/// @p work about @p runs times, in batches (at least three runs each), as a judged figure.
inline Timing time(int runs, const std::function<void()>& work)
{
    return agreed<Timing>([&] { return Detail::timeOnce(runs, work); });
}

/// @p ours and its yardstick @p floor, their batches taken in turn, so that
/// a slower spell of the machine weighs on both alike; both judged figures.
inline std::pair<Timing, Timing> compare(int runs, const std::function<void()>& ours,
                                         const std::function<void()>& floor)
{
    return agreed<std::pair<Timing, Timing>>([&] { return Detail::compareOnce(runs, ours, floor); });
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
    /// A budget of its own, spelled @p budget: PASS when @p pass.
    void judge(const QString& what, const QString& value, const QString& floor, double ratio, const QString& budget,
               bool pass)
    {
        add(what, value, floor, ratio, budget, pass);
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
