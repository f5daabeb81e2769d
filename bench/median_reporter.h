#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

// Remembers the median time and counters of each benchmark, to print ratios between them after
// the run. A benchmark with arguments is named "function/args" ("BM_Export/distinct:1").
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const std::string name = run.run_name.args.empty() ? run.run_name.function_name
                                                               : run.run_name.function_name + '/' + run.run_name.args;
            m_medians[name] = run.GetAdjustedRealTime();
            m_cpuMedians[name] = run.GetAdjustedCPUTime();
            for (const auto &[counter, value] : run.counters)
                m_counters[{name, counter}] = value.value;
        }
    }

    // "<label> median X ms, R x the <other label> (Y ms)" when both ran, then the same of their
    // processor times.
    void PrintRatio(const char *label, const std::string &name, const char *otherLabel,
                    const std::string &other) const
    {
        const auto a = m_medians.find(name);
        const auto b = m_medians.find(other);
        if (a != m_medians.end() && b != m_medians.end()) {
            const double cpu = m_cpuMedians.at(name);
            const double otherCpu = m_cpuMedians.at(other);
            std::printf("%-14s median %8.3f ms, %5.2fx the %s (%.3f ms); CPU %.3f ms, %5.2fx (%.3f ms)\n", label,
                        a->second, a->second / b->second, otherLabel, b->second, cpu, cpu / otherCpu, otherCpu);
        }
    }

    // "<counter> of <name> median X, R x that of <other> (Y), D above it" when both have it.
    void PrintCounterRatio(const std::string &counter, const std::string &name,
                           const std::string &other) const
    {
        const auto a = m_counters.find({name, counter});
        const auto b = m_counters.find({other, counter});
        if (a != m_counters.end() && b != m_counters.end())
            std::printf("%s of %s median %.1f, %.2fx that of %s (%.1f), %+.1f above it\n", counter.c_str(),
                        name.c_str(), a->second, a->second / b->second, other.c_str(), b->second,
                        a->second - b->second);
    }

    // "<counter> of <name> median X (<note>)" when it has it.
    void PrintCounter(const std::string &counter, const std::string &name, const char *note) const
    {
        const auto found = m_counters.find({name, counter});
        if (found != m_counters.end())
            std::printf("%s of %s median %.2f (%s)\n", counter.c_str(), name.c_str(), found->second, note);
    }

private:
    std::map<std::string, double> m_medians;
    std::map<std::string, double> m_cpuMedians;
    std::map<std::pair<std::string, std::string>, double> m_counters;
};
