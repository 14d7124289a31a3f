#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Keeps the median time of each benchmark instead of printing it, so that
// every figure can go into one table next to its floor.
class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;

    // Median wall-clock time of one iteration in nanoseconds, by the
    // benchmark's name with its arguments ("FullRepaint/800/600"); nullopt
    // when it did not run or failed.
    std::optional<double> MedianNs(const std::string& name) const;
    const std::vector<std::string>& Errors() const { return m_errors; }

private:
    std::map<std::string, double> m_medianNs;
    std::vector<std::string> m_errors;
};
