// Loading and saving a charge file of a million charges, each against the time of merely reading
// the same file and counting its lines.

#include "chargefile/ByteStream.h"
#include "chargefile/ChargeFileReader.h"
#include "chargefile/ChargeFileWriter.h"
#include "chargefile/Explanation.h"
#include "document/BulkMemory.h"
#include "reference/Folio.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using namespace drovan;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kCharges = 1'000'000;
constexpr std::size_t kChunkSize = 64 * 1024;

// Realistic rows: jurisdictions with their folio forms, owners' names, amounts in cents and
// explanations as entry writes them.
ChargeTable realisticCharges() {
    constexpr std::array<const char *, 8> jurisdictions = {"701", "723", "759", "781",
                                                           "726", "745", "760", "770"};
    constexpr std::array<const char *, 12> surnames = {
        "SMITH",  "MACDONALD", "NGUYEN", "O'BRIEN",   "TREMBLAY",  "PATEL",
        "WILSON", "LEBLANC",   "CHEN",   "ANDERSSON", "KOWALCZYK", "FITZGERALD"};
    constexpr std::array<const char *, 10> givenNames = {"JOHN", "MARY",      "ROBERT", "PATRICIA",
                                                         "WEI",  "SIOBHAN",   "ARJUN",  "ELIZABETH",
                                                         "LUC",  "ANNE-MARIE"};
    constexpr std::array<const char *, 8> explanations = {"BLUE BIN GARBAGE",
                                                          "GARBAGE",
                                                          "SEWER",
                                                          "SEWER FRONTAGE SEWER",
                                                          "WATER",
                                                          "METER WATER",
                                                          "LATE PAYMENT",
                                                          "YARD WASTE GARBAGE"};

    std::mt19937_64 random(20110401);
    ChargeTable table;
    table.reserve(kCharges);
    ChargeRecord record;
    for (std::size_t i = 0; i < kCharges; ++i) {
        record.Jurisdiction = jurisdictions[random() % jurisdictions.size()];
        record.Folio_Number =
            FolioDisplay(record.Jurisdiction, std::to_string(10'000'000 + random() % 89'999'999));
        record.Name = std::string(surnames[random() % surnames.size()]) + " " +
                      givenNames[random() % givenNames.size()] + " " +
                      static_cast<char>('A' + random() % 26);
        record.Payment_Amount =
            Currency::fromUnits(static_cast<std::int64_t>(random() % 250'000) * 100);
        record.Explanation = explanations[random() % explanations.size()];
        const ExplanationParts parts = explanationPartsOf(record.Explanation);
        record.Explanation_Button = parts.button;
        record.Explanation_Note = parts.note;
        table.append(record);
    }
    return table;
}

CollectionHeader benchHeader() {
    CollectionHeader header;
    header.code = "07";
    header.name = "CENTRAL OKANAGAN";
    header.taxYear = "2011";
    return header;
}

struct Fixture {
    std::filesystem::path folder;
    std::string chargeFile;
    std::string saveFile;
    ChargeTable charges;
    std::uintmax_t bytes = 0;
    // Best times, so that a noisy neighbour on the machine does not skew the ratios.
    double baselineSeconds = 0;
    double loadedBytes = 0;

    Fixture() {
        folder =
            std::filesystem::temp_directory_path() / ("drovan_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        chargeFile = (folder / "charges.txt").string();
        saveFile = (folder / "saved.txt").string();
        charges = realisticCharges();
        FileByteSink sink(chargeFile);
        if (!writeChargeFile(sink, benchHeader(), charges) || !sink.close())
            std::fprintf(stderr, "could not write %s\n", chargeFile.c_str());
        bytes = std::filesystem::file_size(chargeFile);
    }
    ~Fixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::size_t countLines(const std::string &path) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return 0;
    const auto buffer = std::make_unique<char[]>(kChunkSize);
    std::size_t lines = 0;
    std::size_t count = 0;
    while ((count = std::fread(buffer.get(), 1, kChunkSize, file)) > 0)
        lines += static_cast<std::size_t>(std::count(buffer.get(), buffer.get() + count, '\n'));
    std::fclose(file);
    return lines;
}

void BM_Baseline_ReadAndCountLines(benchmark::State &state) {
    Fixture &f = fixture();
    double best = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(countLines(f.chargeFile));
        best = std::min(best, secondsSince(start));
    }
    f.baselineSeconds = best;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
    state.counters["file_MB"] = static_cast<double>(f.bytes) / 1e6;
    state.counters["best_ms"] = best * 1e3;
}

void BM_Load(benchmark::State &state) {
    Fixture &f = fixture();
    double best = std::numeric_limits<double>::max();
    double bytesPerCharge = 0;
    bool ok = true;
    for (auto _ : state) {
        const struct mallinfo2 before = ::mallinfo2();
        const auto start = Clock::now();
        FileByteSource source(f.chargeFile);
        ChargeFileLoad loaded = readChargeFile(
            source, ChargeFileReadOptions{DistrictKind::RegionalDistrict, {2012, 6, 1}, {}});
        best = std::min(best, secondsSince(start));
        const struct mallinfo2 after = ::mallinfo2();
        const std::size_t rows = loaded.charges.rowCount();
        ok = ok && loaded.ok && loaded.messages.empty() && rows == f.charges.rowCount();
        // Everything the loaded document holds on the heap, the table's reserve included.
        const double held = static_cast<double>((after.uordblks + after.hblkhd) -
                                                (before.uordblks + before.hblkhd));
        bytesPerCharge = held / static_cast<double>(rows);
        f.loadedBytes = held;
        benchmark::DoNotOptimize(loaded);
    }
    if (!ok)
        state.SkipWithError("the loaded file does not match the generated one");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
    state.counters["best_ms"] = best * 1e3;
    state.counters["vs_baseline"] = best / f.baselineSeconds;
    state.counters["bytes_per_charge"] = bytesPerCharge;
}

void BM_Save(benchmark::State &state) {
    Fixture &f = fixture();
    double best = std::numeric_limits<double>::max();
    bool ok = true;
    for (auto _ : state) {
        // A save writes a new file (the window's QSaveFile renames it over the old one), so the
        // truncation of the last iteration's file is not part of it.
        state.PauseTiming();
        std::filesystem::remove(f.saveFile);
        state.ResumeTiming();
        const auto start = Clock::now();
        FileByteSink sink(f.saveFile);
        ok = writeChargeFile(sink, benchHeader(), f.charges) && sink.close() && ok;
        best = std::min(best, secondsSince(start));
    }
    if (!ok || std::filesystem::file_size(f.saveFile) != f.bytes)
        state.SkipWithError("the saved file differs in size from the generated one");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
    state.counters["best_ms"] = best * 1e3;
    state.counters["vs_baseline"] = best / f.baselineSeconds;
}

// What merely writing to as much fresh memory as a load keeps costs on this machine: one byte per
// 4 KiB page, in plain heap memory (argument 0) and in the table's bulk blocks, which ask for huge
// pages (argument 1). Where first touches are dear (a virtual machine's page faults) the first
// bounds how fast a load could be without that advice.
void BM_FirstTouchOfLoadedMemory(benchmark::State &state) {
    Fixture &f = fixture();
    const auto size = static_cast<std::size_t>(f.loadedBytes);
    const bool bulk = state.range(0) != 0;
    double best = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const auto start = Clock::now();
        char *memory =
            static_cast<char *>(bulk ? detail::allocateBulk(size) : ::operator new(size));
        for (std::size_t i = 0; i < size; i += 4096)
            memory[i] = 1;
        benchmark::DoNotOptimize(memory);
        if (bulk)
            detail::freeBulk(memory, size);
        else
            ::operator delete(memory);
        best = std::min(best, secondsSince(start));
    }
    state.counters["best_ms"] = best * 1e3;
    state.counters["vs_baseline"] = best / f.baselineSeconds;
}

} // namespace

// Registration order is run order: the baseline must be measured first.
BENCHMARK(BM_Baseline_ReadAndCountLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->MinTime(4.0);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FirstTouchOfLoadedMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
