// Micro-benchmarks of the four matchers and of whole passes over the shipped list.
#include "core/search/matchers.h"
#include "core/search/search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string& shippedList() {
    static const std::string bytes = [] {
        std::ifstream in(TOVREL_DICTIONARY, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

const std::vector<std::string_view>& shippedRecords() {
    static const std::vector<std::string_view> records = [] {
        std::vector<std::string_view> all;
        tovrel::RecordReader reader(shippedList());
        while (!reader.atEnd())
            all.push_back(reader.next());
        return all;
    }();
    return records;
}

template <typename Matcher> void matchEveryRecord(benchmark::State& state, const Matcher& match) {
    const auto& records = shippedRecords();
    for (auto _ : state) {
        std::size_t count = 0;
        for (const std::string_view record : records)
            count += match.matches(record);
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * records.size()));
}

// Records already in memory: the cost of the tests alone.
void matcherComplete(benchmark::State& s) {
    matchEveryRecord(s, tovrel::CompleteMatcher(U"ealpes"));
}
void matcherExtended(benchmark::State& s) {
    matchEveryRecord(s, tovrel::ExtendedMatcher(U"ealpes"));
}
void matcherPartial(benchmark::State& s) {
    matchEveryRecord(s, tovrel::PartialMatcher(U"ealpes"));
}
void matcherExtendedPartial(benchmark::State& s) {
    matchEveryRecord(s, tovrel::ExtendedPartialMatcher(U"ealpes"));
}
BENCHMARK(matcherComplete);
BENCHMARK(matcherExtended);
BENCHMARK(matcherPartial);
BENCHMARK(matcherExtendedPartial);

void readerOnly(benchmark::State& state) {
    for (auto _ : state) {
        tovrel::RecordReader reader(shippedList());
        std::size_t records = 0;
        reader.forEachRecord([&](std::string_view record) {
            benchmark::DoNotOptimize(record);
            ++records;
        });
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * shippedList().size()));
}
BENCHMARK(readerOnly);

void wholePass(benchmark::State& state, tovrel::SearchMode mode, const char32_t* typed) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tovrel::search(mode, typed, TOVREL_DICTIONARY));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * shippedList().size()));
}

BENCHMARK_CAPTURE(wholePass, complete_ealpes, tovrel::SearchMode::Complete, U"ealpes");
BENCHMARK_CAPTURE(wholePass, extended_ealpes, tovrel::SearchMode::Extended, U"ealpes");
BENCHMARK_CAPTURE(wholePass, partial_ealpes, tovrel::SearchMode::Partial, U"ealpes");
BENCHMARK_CAPTURE(wholePass, extended_partial_ealpes, tovrel::SearchMode::ExtendedPartial, U"ealpes");
BENCHMARK_CAPTURE(wholePass, partial_etaoinshrdlucm, tovrel::SearchMode::Partial, U"etaoinshrdlucm");

} // namespace

BENCHMARK_MAIN();
