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

/// Seconds: the median and the 99th percentile of the runs.
struct Timing {
    double median;
    double p99;
};

inline Timing time(int runs, const std::function<void()>& work)
{
    work();  // warm caches and lazy set-up
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return {seconds[seconds.size() / 2], seconds[std::min(seconds.size() - 1, seconds.size() * 99 / 100)]};
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
