#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Remembers the median of each benchmark, to print ratios between them after the run.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[run.run_name.function_name] = run.GetAdjustedRealTime();
    }

    // "<label> median X ms, R x the <other label> (Y ms)" when both ran.
    void PrintRatio(const char *label, const std::string &name, const char *otherLabel,
                    const std::string &other) const
    {
        const auto a = m_medians.find(name);
        const auto b = m_medians.find(other);
        if (a != m_medians.end() && b != m_medians.end())
            std::printf("%-14s median %8.3f ms, %5.2fx the %s (%.3f ms)\n", label, a->second,
                        a->second / b->second, otherLabel, b->second);
    }

private:
    std::map<std::string, double> m_medians;
};
