// Evaluations per second through the whole engine on the in-memory text box,
// the fraction search before and after, and a floor: only scanning the same
// lines and converting their numbers with strtod. Run by bench.sh.
//
// Each line is loaded into the box before every evaluation (the evaluation
// appends its result); "load" measures the loading alone, so the evaluation
// costs about the difference.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine_session.h"
#include "base_conversion.h"
#include "find_replace.h"
#include "fraction_walk_reference.h"
#include "line_commands.h"
#include "result_formatting.h"
#include "statistics_panel.h"

namespace {

enum class Action { Evaluate, Refresh };

struct Line {
    std::string name;
    std::string text;
    std::string expected;  // the box text after one evaluation
    int fractionType;
    Action action;
    benchmark::TimeUnit unit = benchmark::kNanosecond;
};

std::string Repeat(const std::string& piece, int times, const std::string& separator) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        if (i > 0) text += separator;
        text += piece;
    }
    return text;
}

std::string ArgumentSum(int arguments) {
    std::string text = "sum(";
    for (int i = 1; i <= arguments; ++i) text += std::to_string(i) + (i < arguments ? "," : ")");
    return text;
}

// "10000+1=3+1=3…" with every result stale, and the same chain as the
// refresh rewrites it: 12,500 five-digit results, 100,000 characters.
Line LongChain() {
    const int results = 12500;
    Line line{"chain_12500_results", "10000+1", "10000+1", 0, Action::Refresh, benchmark::kMillisecond};
    for (int i = 1; i <= results; ++i) {
        line.text += i < results ? "=3+1" : "=3";
        line.expected += "=" + std::to_string(10000 + i) + (i < results ? "+1" : "");
    }
    return line;
}

std::vector<Line> Lines() {
    const std::string ones = Repeat("1", 500, "+");  // 999 characters
    const std::string nested = std::string(300, '(') + "1+2" + std::string(300, ')');
    const std::string sum = ArgumentSum(1000);
    // The main window's benchmark evaluates the same two long lines by Enter.
    const std::string longSum = ArgumentSum(20000);           // 108,894 characters
    const std::string longOnes = Repeat("1", 50000, "+");     // 99,999 characters
    return {
        {"short_sum", "1+2", "1+2=3", 0, Action::Evaluate},
        {"functions", "sin30+cos60", "sin30+cos60=1", 0, Action::Evaluate},
        {"fractions", "1∟2+1∟3", "1∟2+1∟3=5∟6", 1, Action::Evaluate},
        // Every result of the chain is stale, so all five are rewritten.
        {"chain_of_five", "1+1=3+1=3+1=3+1=3+1=3", "1+1=2+1=3+1=4+1=5+1=6", 0, Action::Refresh},
        {"sum_1000_args", sum, sum + "=500500", 0, Action::Evaluate},
        {"ones_999_chars", ones, ones + "=500", 0, Action::Evaluate},
        {"nested_300", nested, nested + "=3", 0, Action::Evaluate},
        {"sum_20000_args", longSum, longSum + "=200010000", 0, Action::Evaluate, benchmark::kMillisecond},
        {"ones_99999_chars", longOnes, longOnes + "=50000", 0, Action::Evaluate, benchmark::kMillisecond},
        // The old walk spent ten million rounds on this result's fraction part.
        {"fraction_near_1e-7", "1+1∟9999901", "1+1∟9999901=1.000000100001", 1, Action::Evaluate},
        LongChain(),
    };
}

struct Harness : EngineSession {
    explicit Harness(int fractionType) {
        settings.RealTimeMode = false;
        settings.FractionType = fractionType;
    }

    void Run(Action action) {
        if (action == Action::Evaluate) {
            engine.Evaluator();
        } else {
            engine.RefreshLine();
        }
    }
};

void LoadOnly(benchmark::State& state, const Line& line) {
    Harness h(line.fractionType);
    for (auto _ : state) {
        h.Load(line.text);
        benchmark::DoNotOptimize(h.box);
    }
    state.SetItemsProcessed(state.iterations());
}

void LoadAndEvaluate(benchmark::State& state, const Line& line) {
    Harness h(line.fractionType);
    h.Load(line.text);
    h.Run(line.action);
    if (h.box.Text() != line.expected || h.engine.FailureCount() != 0) {
        state.SkipWithError(("unexpected result: " + h.box.Text().substr(0, 80) + " / " +
                             h.status.PartText(StatusPart::Message)).c_str());
        return;
    }
    for (auto _ : state) {
        h.Load(line.text);
        h.Run(line.action);
    }
    state.SetItemsProcessed(state.iterations());
}

// The least any evaluation must do: read every byte and convert each number.
void ScanFloor(benchmark::State& state, const Line& line) {
    for (auto _ : state) {
        double total = 0;
        const char* p = line.text.c_str();
        while (*p != '\0') {
            if ((*p >= '0' && *p <= '9') || *p == '.') {
                char* end = nullptr;
                total += std::strtod(p, &end);
                p = end > p ? end : p + 1;
            } else {
                ++p;
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations());
}

// The walk's longest: D climbs to ten million before it gives up.
constexpr double kWalkWorst = 1e-7;
// The most tests the search needed over three million random fraction parts.
constexpr double kSearchWorst = 0.00011861235909499808;

void FractionSearch(benchmark::State& state, bool (*search)(double, long long&, long long&),
                    double f) {
    long long n = 0;
    long long d = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search(f, n, d));
    }
    state.SetItemsProcessed(state.iterations());
}

void DecimalToFractionWorst(benchmark::State& state) {
    const Settings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecimalToFraction("1.0000001", ResultForm::ImproperFraction, settings));
    }
    state.SetItemsProcessed(state.iterations());
}

// Batch calculation and the sum of selected lines over texts of numbered
// lines such as "17×3+17÷2". The batch runs line by line on a copy and
// writes back once; "batch_in_place" is the same walk straight on the box,
// for comparison.
std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += "\r\n";
        text += std::to_string(i) + "×3+" + std::to_string(i % 7) + "÷2";
    }
    return text;
}

struct LineHarness : EngineSession {
    LineHarness() { settings.RealTimeMode = false; }
    LineCommands commands{box, status, clipboard, settings, engine};
};

void BatchLines(benchmark::State& state, int count, bool inPlace) {
    const std::string text = NumberedLines(count);
    LineHarness h;
    for (auto _ : state) {
        h.Load(text, 0);
        if (inPlace) {
            BatchEvaluateInPlace(h.box, h.engine, h.settings);
        } else {
            h.commands.BatchEvaluate();
        }
    }
    if (h.state.LastResult.empty()) state.SkipWithError("the batch wrote no result");
    state.SetItemsProcessed(state.iterations() * count);
}

void SumLines(benchmark::State& state, int count) {
    LineHarness h;
    h.Load(NumberedLines(count), 0);
    h.commands.BatchEvaluate();
    const std::string evaluated = h.box.Text();
    for (auto _ : state) {
        h.Load(evaluated, 0);
        h.box.SetSelectionLength(static_cast<TextPos>(evaluated.size()));
        h.commands.SumResults();
    }
    if (h.box.Text().size() == evaluated.size()) state.SkipWithError("the sum wrote nothing");
    state.SetItemsProcessed(state.iterations() * count);
}

// Find and replace over 1 MB of lines "∟Nsin(2": 100,000 matches of "sin",
// and 100,000 candidates of "NNsin" that start on a trail byte and are
// rejected. The replace-all reloads the box each round ("load" alone below).
std::string FindText1MB() {
    std::string text;
    text.reserve(1000000);
    for (int i = 0; i < 100000; ++i) text += "∟Nsin(2\r\n";
    return text;
}

struct NoHost : FindReplaceHost {
    void FocusBox() override {}
    const Settings& CurrentSettings() const override { return settings; }
    Settings settings;
};

void FindIn1MB(benchmark::State& state, const char* pattern, bool ignoreCase, TextPos expected) {
    const std::string text = FindText1MB();
    const auto end = static_cast<TextPos>(text.size());
    for (auto _ : state) {
        const TextPos found = expected < 0 ? FindForwardIn(text, pattern, 0, ignoreCase)
                                           : FindBackwardIn(text, pattern, end, ignoreCase);
        if (found != expected) state.SkipWithError("unexpected match");
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * end);
}

void ReplaceAllIn1MB(benchmark::State& state, bool replace) {
    const std::string text = FindText1MB();
    MemoryTextBox box;
    NoHost host;
    FindReplace find(box, host);
    find.SearchText = "sin";
    find.ReplaceText = "cos";
    for (auto _ : state) {
        box.SetText(text);
        if (replace) find.ReplaceAllInText();
    }
    if (replace && TextFind(box.Text(), "sin") != -1) state.SkipWithError("a match was left");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// A random number of `digits` digits of base `from` (no leading zero),
// converted to `to`; checked by converting back.
void ConvertDigits(benchmark::State& state, int digits, int from, int to) {
    std::string text(static_cast<size_t>(digits), '0');
    unsigned seed = 12345;
    for (char& ch : text) {
        seed = seed * 1103515245u + 12345u;
        ch = kBaseDigits[(seed >> 16) % static_cast<unsigned>(from)];
    }
    text[0] = kBaseDigits[from - 1];
    std::string result;
    for (auto _ : state) {
        std::string input = text;
        result = ConvertBase(input, from, to);
        benchmark::DoNotOptimize(result);
    }
    if (ConvertBase(result, to, from) != text) state.SkipWithError("converted back differently");
}

// The statistics page's text for 10,000 lines.
void StatisticsOfLines(benchmark::State& state, int count) {
    std::string input;
    for (int i = 0; i < count; ++i) input += std::to_string((i * 7919) % 10007) + ".25\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(StatisticsText(input));
    if (StatisticsText(input)->find("样品数量：" + std::to_string(count) + "\r\n") != 0)
        state.SkipWithError("wrong count");
}

}  // namespace

int main(int argc, char** argv) {
    static const std::vector<Line> lines = Lines();
    for (const Line& line : lines) {
        benchmark::RegisterBenchmark(("evaluate/" + line.name).c_str(), LoadAndEvaluate, line)
            ->Unit(line.unit);
        benchmark::RegisterBenchmark(("load/" + line.name).c_str(), LoadOnly, line);
        benchmark::RegisterBenchmark(("floor/" + line.name).c_str(), ScanFloor, line);
    }
    benchmark::RegisterBenchmark("fraction/walk_worst", FractionSearch, FindFractionByWalk,
                                 kWalkWorst)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("fraction/search_on_walk_worst", FractionSearch, FindFraction,
                                 kWalkWorst);
    benchmark::RegisterBenchmark("fraction/search_worst", FractionSearch, FindFraction,
                                 kSearchWorst);
    benchmark::RegisterBenchmark("fraction/DecimalToFraction_1.0000001", DecimalToFractionWorst);

    for (int count : {100, 10000}) {
        const std::string n = std::to_string(count);
        benchmark::RegisterBenchmark(("lines/batch_" + n).c_str(), BatchLines, count, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("lines/batch_in_place_" + n).c_str(), BatchLines, count, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("lines/sum_" + n).c_str(), SumLines, count)
            ->Unit(benchmark::kMillisecond);
    }

    benchmark::RegisterBenchmark("find/last_of_100000_in_1MB", FindIn1MB, "sin", false,
                                 static_cast<TextPos>(999993))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("find/last_of_100000_in_1MB_ignoring_case", FindIn1MB, "SIN", true,
                                 static_cast<TextPos>(999993))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("find/100000_trail_byte_candidates_in_1MB", FindIn1MB, "NNsin", false,
                                 static_cast<TextPos>(-1))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("replace_all/100000_in_1MB", ReplaceAllIn1MB, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("replace_all/load_1MB", ReplaceAllIn1MB, false)
        ->Unit(benchmark::kMillisecond);

    for (int digits : {1000, 10000, 30000}) {
        for (int from : {2, 10, 16, 36}) {
            for (int to : {2, 10, 16, 36}) {
                if (from == to) continue;
                const std::string name = "base/" + std::to_string(digits) + "_digits_" + std::to_string(from) +
                                         "_to_" + std::to_string(to);
                benchmark::RegisterBenchmark(name.c_str(), ConvertDigits, digits, from, to)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RegisterBenchmark("statistics/page_text_10000_lines", StatisticsOfLines, 10000)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
