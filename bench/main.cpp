// The game's own figures as rows of the performance table, each next to its
// floor: a plain loop measured in the same run, or the 16.7 ms of one frame
// at 60 Hz. bench/run.sh prints the head of the table and the start-up rows.
// Google Benchmark's options pass through (--benchmark_filter=...).
#include "TableReporter.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
constexpr double kFrameNs = 1e9 / 60;

std::string Duration(double ns) {
    char text[32];
    if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.1f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    return text;
}

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void PrintRow(const std::string& measure, const std::string& game, const std::string& floor,
              const std::string& ratio, const std::string& target, const std::string& met) {
    std::printf("| %-44s | %-22s | %-40s | %-11s | %-9s | %-4s |\n", measure.c_str(), game.c_str(),
                floor.c_str(), ratio.c_str(), target.c_str(), met.c_str());
}

class Table {
public:
    // onlyRun: rows of benchmarks that did not run are left out.
    Table(const TableReporter& results, bool onlyRun) : m_results(results), m_onlyRun(onlyRun) {}

    // maxRatio 0: no target.
    void AgainstLoop(const char* measure, const char* name, const char* floorLabel,
                     const char* floorName, double maxRatio) const {
        const auto ns = m_results.MedianNs(name);
        const auto floorNs = m_results.MedianNs(floorName);
        if (!ns || !floorNs)
            return Missing(measure);
        const double ratio = *ns / *floorNs;
        PrintRow(measure, Duration(*ns), std::string(floorLabel) + " " + Duration(*floorNs),
                 Format("%.2fx", ratio), maxRatio > 0 ? Format("<= %gx", maxRatio) : "",
                 maxRatio > 0 ? (ratio <= maxRatio ? "yes" : "NO") : "");
    }

    // maxMs: the target, a frame when none is stricter.
    void AgainstFrame(const char* measure, const char* name, double maxMs = 0) const {
        const auto ns = m_results.MedianNs(name);
        if (!ns)
            return Missing(measure);
        const double maxNs = maxMs > 0 ? maxMs * 1e6 : kFrameNs;
        const std::string target = maxMs > 0 ? Format("< %g ms", maxMs) : "< 1 frame";
        PrintRow(measure, Duration(*ns), "60 Hz frame " + Duration(kFrameNs),
                 Format("%.2f%% frame", *ns / kFrameNs * 100), target, *ns < maxNs ? "yes" : "NO");
    }

    // What a part adds to a move, read against the move. maxNs 0: no target.
    void PartOfMove(const char* measure, const char* name, double maxNs) const {
        const auto ns = m_results.MedianNs(name);
        const auto moveNs = m_results.MedianNs("ArrowMove");
        if (!ns || !moveNs)
            return Missing(measure);
        PrintRow(measure, *ns < 1e4 ? Format("%.0f ns", *ns) : Duration(*ns),
                 "one arrow move " + Duration(*moveNs), Format("%.2f%% move", *ns / *moveNs * 100),
                 maxNs > 0 ? Format("< %g ns", maxNs) : "",
                 maxNs > 0 ? (*ns < maxNs ? "yes" : "NO") : "");
    }

private:
    void Missing(const char* measure) const {
        if (!m_onlyRun)
            PrintRow(measure, "not run", "", "", "", "");
    }

    const TableReporter& m_results;
    bool m_onlyRun;
};

// Five repetitions of each, their medians reported; options given on the
// command line come later and win.
std::vector<char*> WithDefaults(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=5";
    static char minTime[] = "--benchmark_min_time=0.2";
    std::vector<char*> args{argv[0], repetitions, minTime};
    args.insert(args.end(), argv + 1, argv + argc);
    return args;
}
} // namespace

void RegisterBoardTextListened();

// Offscreen unless a platform is named: bench/access/measure.sh runs it on X
// with the screen reader's bus on, for the rows that need one, as filtered.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the board host is a widget
    RegisterBoardTextListened();
    std::vector<char*> args = WithDefaults(argc, argv);
    const bool filtered = std::any_of(args.begin(), args.end(), [](const char* arg) {
        return std::string(arg).starts_with("--benchmark_filter");
    });
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;
    TableReporter results;
    benchmark::RunSpecifiedBenchmarks(&results);

    const Table table(results, filtered);
    table.AgainstLoop("`CountGreen`: 62,500 reads, count, number", "CountGreen",
                      "plain loop over the same pixels", "RawBufferLoop", 2.0);
    table.AgainstLoop("the same reads through GetPixel", "SurfaceReads",
                      "plain loop over the same pixels", "RawBufferLoop", 0);
    table.AgainstFrame("one arrow move", "ArrowMove", 0.33);
    table.PartOfMove("  its words for a screen reader, none listening", "BoardText", 1000);
    table.PartOfMove("  the same, a screen reader listening", "BoardTextListened", 0);
    table.AgainstFrame("one reposition (right click)", "Reposition");
    table.AgainstFrame("one selection (left click)", "WholeSelection");
    table.AgainstFrame("game end: count, score, history", "EndGame");
    table.AgainstFrame("full repaint, 800 x 600", "FullRepaint/800/600");
    table.AgainstFrame("full repaint, 1920 x 1080", "FullRepaint/1920/1080", 1);
    for (const std::string& error : results.Errors())
        std::fprintf(stderr, "orlix-bench: %s\n", error.c_str());
    return results.Errors().empty() ? 0 : 1;
}
