// The benchmark binary: a headless Qt for fonts, and after the usual report a table giving every
// benchmark's time beside the raw pixel-write loop over the same dots measured in the same run.
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <unistd.h>
#include <map>
#include <string>
#include <vector>

#include "bench_labels.h"

namespace {

// Benchmarks label themselves "raw:KEY" (a baseline) or "vs:KEY" (compare with that baseline);
// unlabelled ones are compared with the default baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: a report sent to a file or a pipe stays plain text.
    RatioReporter()
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                m_rows.push_back({run.benchmark_name(), run.report_label, run.GetAdjustedRealTime(),
                    benchmark::GetTimeUnitString(run.time_unit)});
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::map<std::string, double> raw;
        for (const Row& row : m_rows)
            if (row.label.rfind("raw:", 0) == 0)
                raw[row.label.substr(4)] = row.time * unitScale(row.unit);
        std::printf("\n%-60s %14s %10s\n", "benchmark", "time (ms)", "x raw");
        for (const Row& row : m_rows) {
            std::string key = curvana::bench::kDefaultBaseline;
            if (row.label.rfind("vs:", 0) == 0 || row.label.rfind("raw:", 0) == 0)
                key = row.label.substr(row.label.find(':') + 1);
            const double ms = row.time * unitScale(row.unit) * 1e3;
            const auto base = raw.find(key);
            if (base == raw.end())
                std::printf("%-60s %14.4f %10s\n", row.name.c_str(), ms, "-");
            else
                std::printf("%-60s %14.4f %10.2f\n", row.name.c_str(), ms, ms / (base->second * 1e3));
        }
    }

private:
    struct Row {
        std::string name, label;
        double time;
        std::string unit;
    };
    static double unitScale(const std::string& unit)
    {
        return unit == "ns" ? 1e-9 : unit == "us" ? 1e-6 : unit == "ms" ? 1e-3 : 1.0;
    }
    std::vector<Row> m_rows;
};

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
