// Loads arbitrary bytes as the option file, through the real file reader and
// engine, and compares the outcome with a plain in-memory reading of the same
// bytes. An engine in the middle of a walk must either take exactly the
// options the bytes hold, or, on an invalid count, stay as it was.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "decision_engine.h"
#include "integer_parser.h"

namespace {

using ranquill::DecisionEngine;
using ranquill::StateCode;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "violated: %s\n", what);
    std::abort();
}

class Transcript : public ranquill::TranscriptSink {
  public:
    void AppendLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

struct Reading {
    std::int32_t count = 0;
    std::vector<std::string> names;
};

// The option file read straight from memory; nothing when the count is invalid.
std::optional<Reading> ReadFromMemory(std::string_view bytes) {
    constexpr char kCtrlZ = 26;
    auto atOrBelowBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t at = 0;
    while (at < bytes.size() && atOrBelowBlank(bytes[at]) && bytes[at] != kCtrlZ) ++at;
    if (at < bytes.size() && bytes[at] == kCtrlZ) return Reading{};

    std::size_t end = at;
    while (end < bytes.size() && end - at < 32 && !atOrBelowBlank(bytes[end])) ++end;
    Reading reading;
    if (end > at) {
        const ranquill::ParsedInteger count = ranquill::ParseInteger(bytes.substr(at, end - at));
        if (!count.complete) return std::nullopt;
        reading.count = count.value;
    }

    std::string_view rest = bytes.substr(end);
    const std::size_t lineEnd = rest.find_first_of(std::string_view("\n\x1a", 2));
    if (lineEnd == std::string_view::npos || rest[lineEnd] == kCtrlZ) {
        rest = {};
    } else {
        rest.remove_prefix(lineEnd + 1);
    }
    for (std::int32_t k = 1; k <= std::min(reading.count, DecisionEngine::MaxOptions); ++k) {
        const std::size_t lineFeed = rest.find('\n');
        std::string name(rest.substr(0, lineFeed));
        std::erase(name, '\r');
        reading.names.push_back(std::move(name));
        rest = lineFeed == std::string_view::npos ? std::string_view() : rest.substr(lineFeed + 1);
    }
    return reading;
}

// An engine of five options in the middle of its walk, with points given.
void PrepareMidWalk(DecisionEngine& engine) {
    engine.EngineState = StateCode::AwaitStrength;
    engine.OptionCount = 5;
    for (std::int32_t k = 1; k <= DecisionEngine::MaxOptions; ++k) {
        engine.OptionNames.Set(k, "earlier " + std::to_string(k));
        engine.OptionScores.Set(k, k % 7);
    }
    engine.FirstIndex = 2;
    engine.SecondIndex = 4;
    engine.ChosenIndex = 4;
}

bool TablesEqual(const DecisionEngine& a, const DecisionEngine& b, std::int32_t firstName) {
    for (std::int32_t k = 1; k <= DecisionEngine::MaxOptions; ++k) {
        if (a.OptionScores[k] != b.OptionScores[k]) return false;
        if (k >= firstName && a.OptionNames[k] != b.OptionNames[k]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("ranquill-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    std::filesystem::current_path(directory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A new file each time: truncating one in place can wait for the disk.
    std::remove("dpin.txt");
    if (std::FILE* file = std::fopen("dpin.txt", "wb")) {
        Require(std::fwrite(data, 1, size, file) == size, "fixture written");
        Require(std::fclose(file) == 0, "fixture closed");
    } else {
        Require(false, "fixture opened");
    }

    DecisionEngine engine;
    Transcript transcript;
    engine.AttachTranscript(&transcript);
    PrepareMidWalk(engine);
    DecisionEngine before;
    PrepareMidWalk(before);

    const std::optional<Reading> expected = ReadFromMemory(bytes);
    const std::vector<std::string> heading{" ", "Automated Option Setup"};
    try {
        engine.LoadOptionFile();
    } catch (const ranquill::IoError& error) {
        Require(!expected && error.Code() == 106, "only an invalid count fails");
        Require(transcript.lines == heading, "only the heading is written on failure");
        Require(engine.EngineState == before.EngineState && engine.OptionCount == 5 &&
                    engine.FirstIndex == 2 && engine.SecondIndex == 4 && engine.ChosenIndex == 4,
                "fields unchanged on failure");
        Require(TablesEqual(engine, before, 1), "tables unchanged on failure");
        return 0;
    }
    Require(expected.has_value(), "an invalid count fails");

    std::vector<std::string> lines = heading;
    lines.push_back("Number of Options: " + std::to_string(expected->count));
    if (expected->count > DecisionEngine::MaxOptions) {
        lines.push_back("  At most 256 options can be compared; the count is set to 256");
    }
    for (std::size_t k = 0; k < expected->names.size(); ++k) {
        lines.push_back("Option " + std::to_string(k + 1) + ": " + expected->names[k]);
        Require(engine.OptionNames[static_cast<std::int32_t>(k + 1)] == expected->names[k],
                "names as in the file");
    }
    lines.insert(lines.end(), {" ", " "});
    Require(transcript.lines == lines, "echo of the load");
    Require(engine.OptionCount == std::min(expected->count, DecisionEngine::MaxOptions),
            "count stored, limited to the tables");
    Require(engine.EngineState == StateCode::ReadyToCompare && engine.FirstIndex == 1 &&
                engine.SecondIndex == 2 && engine.ChosenIndex == 4,
            "ready for a new walk");
    Require(TablesEqual(engine, before, static_cast<std::int32_t>(expected->names.size()) + 1),
            "points and later names untouched");
    return 0;
}
