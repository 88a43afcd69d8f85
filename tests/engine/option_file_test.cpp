#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "memory_console.h"
#include "open_failure.h"
#include "scratch_directory.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace ranquill {
namespace {

using testing::MemoryConsole;
using testing::ScratchDirectory;
using Lines = std::vector<std::string>;

const std::string kHeading[] = {" ", "Automated Option Setup"};

// The whole engine apart from its attachments, to show that nothing changed.
struct EngineSnapshot {
    StateCode state;
    std::int32_t count, first, second, chosen;
    std::vector<std::string> names;
    std::vector<std::int32_t> scores;
    bool operator==(const EngineSnapshot&) const = default;
};

EngineSnapshot Snapshot(const DecisionEngine& engine) {
    EngineSnapshot snapshot{engine.EngineState,
                            engine.OptionCount,
                            engine.FirstIndex,
                            engine.SecondIndex,
                            engine.ChosenIndex,
                            {},
                            {}};
    for (std::int32_t k = 1; k <= DecisionEngine::MaxOptions; ++k) {
        snapshot.names.push_back(engine.OptionNames[k]);
        snapshot.scores.push_back(engine.OptionScores[k]);
    }
    return snapshot;
}

// What a successful load writes for `count` (as the file gives it) and the
// names stored.
Lines EchoOf(std::int32_t count, const Lines& names) {
    Lines lines{kHeading[0], kHeading[1], "Number of Options: " + std::to_string(count)};
    if (count > DecisionEngine::MaxOptions) {
        lines.push_back("  At most 256 options can be compared; the count is set to 256");
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        lines.push_back("Option " + std::to_string(k + 1) + ": " + names[k]);
    }
    lines.insert(lines.end(), {" ", " "});
    return lines;
}

Lines NamesOf(const DecisionEngine& engine) {
    Lines names;
    for (std::int32_t k = 1; k <= engine.OptionCount; ++k) names.push_back(engine.OptionNames[k]);
    return names;
}

class OptionFileTest : public ::testing::Test {
  protected:
    void WriteOptionFile(std::string_view bytes) { directory.WriteFile("dpin.txt", bytes); }

    // Presses Auto Set and returns the IoError's code, or 0 when none.
    int LoadCode() {
        try {
            console.engine.LoadOptionFile();
        } catch (const IoError& error) {
            return error.Code();
        }
        return 0;
    }

    ScratchDirectory directory;
    MemoryConsole console;
};

TEST_F(OptionFileTest, EchoesTheNamesAfterTheCountAndRestsReadyToCompare) {
    WriteOptionFile("3\nAlpha\nBeta\nGamma\nDelta\n");
    console.engine.AdvanceSetup();
    console.TakeLines();

    console.engine.LoadOptionFile();

    EXPECT_EQ(console.TakeLines(),
              (Lines{" ", "Automated Option Setup", "Number of Options: 3", "Option 1: Alpha",
                     "Option 2: Beta", "Option 3: Gamma", " ", " "}));
    EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    EXPECT_EQ(console.engine.OptionCount, 3);
    EXPECT_EQ(console.engine.FirstIndex, 1);
    EXPECT_EQ(console.engine.SecondIndex, 2);
    EXPECT_EQ(console.engine.OptionNames[4], "");
}

struct LoadCase {
    const char* what;
    std::string bytes;
    std::int32_t count;
    Lines names;
};

class OptionFileLoadTest : public OptionFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(OptionFileLoadTest, StoresTheCountAndNamesAndEchoesThem) {
    const LoadCase& c = GetParam();
    WriteOptionFile(c.bytes);

    ASSERT_EQ(LoadCode(), 0);

    EXPECT_EQ(console.engine.OptionCount, c.count);
    EXPECT_EQ(NamesOf(console.engine), c.names);
    EXPECT_EQ(console.TakeLines(), EchoOf(c.count, c.names));
    EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
}

const std::string kLongName(100'000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, OptionFileLoadTest,
    ::testing::Values(
        LoadCase{"line feeds", "2\nAlpha\nBeta\n", 2, {"Alpha", "Beta"}},
        LoadCase{"CR LF", "2\r\nAlpha\r\nBeta\r\n", 2, {"Alpha", "Beta"}},
        LoadCase{
            "CR only: the skip after the count eats the file", "2\rAlpha\rBeta\r", 2, {"", ""}},
        LoadCase{"CR inside a name is dropped", "1\nAl\rpha\r\r\n", 1, {"Alpha"}},
        LoadCase{"no line end after the last name", "2\nAlpha\nBeta", 2, {"Alpha", "Beta"}},
        LoadCase{"count after blank lines", "\n \t\r\n\n  3\nA\nB\nC\n", 3, {"A", "B", "C"}},
        LoadCase{"words after the count", "3 options\nA\nB\nC\n", 3, {"A", "B", "C"}},
        LoadCase{"hexadecimal count",
                 "$A\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n",
                 10,
                 {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        LoadCase{"count 0", "0\nA\n", 0, {}}, LoadCase{"negative count", "-2\nA\nB\n", -2, {}},
        LoadCase{"empty file", "", 0, {}}, LoadCase{"blanks only", "  \n\t\r\n\n", 0, {}},
        LoadCase{"Ctrl-Z before the count",
                 "\n\x1a"
                 "3\nA\n",
                 0,
                 {}},
        LoadCase{"Ctrl-Z ends the file in the skip", "2 \x1a\nA\nB\n", 2, {"", ""}},
        LoadCase{"Ctrl-Z inside a name",
                 "2\nA\x1a"
                 "B\nC\n",
                 2,
                 {"A\x1a"
                  "B",
                  "C"}},
        LoadCase{"blanks and tabs around names",
                 "2\n  Alpha \t\n\tBeta  \n",
                 2,
                 {"  Alpha \t", "\tBeta  "}},
        LoadCase{"empty name lines", "3\n\nB\n\n", 3, {"", "B", ""}},
        LoadCase{"fewer names than the count", "4\nA\nB", 4, {"A", "B", "", ""}},
        LoadCase{"a name longer than the read buffer",
                 "2\n" + kLongName + "\r\nB\n",
                 2,
                 {kLongName, "B"}},
        LoadCase{"the count is the first 32 characters of its run",
                 std::string(32, '0') + "7\nA\n",
                 0,
                 {}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::to_string(info.index); });

class InvalidCountTest : public OptionFileTest,
                         public ::testing::WithParamInterface<const char*> {};

// A load that fails at the count writes its two heading lines and changes
// nothing else, whatever the engine was doing.
TEST_P(InvalidCountTest, FailsWithInvalidNumericInputAndChangesNothing) {
    WriteOptionFile("2\nX\nY\n");
    console.engine.LoadOptionFile();
    console.engine.AdvanceComparison();
    console.TakeLines();
    const EngineSnapshot before = Snapshot(console.engine);
    WriteOptionFile(GetParam());

    EXPECT_EQ(LoadCode(), 106);

    EXPECT_EQ(console.TakeLines(), (Lines{kHeading[0], kHeading[1]}));
    EXPECT_EQ(Snapshot(console.engine), before);
}

INSTANTIATE_TEST_SUITE_P(Counts, InvalidCountTest,
                         ::testing::Values("3x\nA\nB\nC\n", "3.\nA\n", "abc\n",
                                           "\xEF\xBB\xBF"
                                           "3\nA\nB\nC\n",
                                           "-$1F\n", "$123456789\n", "+\n"));

TEST_F(OptionFileTest, CountAbove256IsLimitedAndOnlyTheFirst256NamesAreRead) {
    std::string bytes = "300\n";
    Lines names;
    for (int k = 1; k <= 300; ++k) {
        bytes += "N" + std::to_string(k) + "\n";
        if (k <= 256) names.push_back("N" + std::to_string(k));
    }
    WriteOptionFile(bytes);

    console.engine.LoadOptionFile();

    EXPECT_EQ(console.engine.OptionCount, 256);
    EXPECT_EQ(NamesOf(console.engine), names);
    EXPECT_EQ(console.TakeLines(), EchoOf(300, names));
}

struct OpenFailureCase {
    const char* what;
    std::function<void()> prepare;
    int code;
    bool headingWritten;
};

class OpenFailureTest : public OptionFileTest,
                        public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(OpenFailureTest, ReportsTheCodeAndChangesNothing) {
    const OpenFailureCase& c = GetParam();
    console.engine.OptionNames.Set(1, "kept");
    console.engine.OptionCount = 1;
    const EngineSnapshot before = Snapshot(console.engine);
    c.prepare();

    EXPECT_EQ(LoadCode(), c.code) << c.what;

    const Lines expected = c.headingWritten ? Lines{kHeading[0], kHeading[1]} : Lines{};
    EXPECT_EQ(console.TakeLines(), expected);
    EXPECT_EQ(Snapshot(console.engine), before);
}

std::vector<OpenFailureCase> OpenFailures() {
    std::vector<OpenFailureCase> cases{
        {"missing file", [] {}, 2, false},
        {"directory", [] { std::filesystem::create_directory("dpin.txt"); }, 5, false},
    };
#ifndef _WIN32
    cases.push_back({"name the system rejects: a link to itself",
                     [] { std::filesystem::create_symlink("dpin.txt", "dpin.txt"); }, 3, false});
    // Reading the process's own memory at address 0 fails with a device error.
    cases.push_back({"read error",
                     [] { std::filesystem::create_symlink("/proc/self/mem", "dpin.txt"); }, 30,
                     true});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFailureTest, ::testing::ValuesIn(OpenFailures()));

// Failures made with facilities only POSIX systems offer.
#ifndef _WIN32
int OpenDescriptorCount() {
    const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<int>(std::distance(begin(entries), end(entries)));
}

TEST_F(OptionFileTest, TooManyOpenFilesGivesCode4) {
    // One error raised first, while descriptors are free: a sanitizer's check
    // of the error's type then needs none when no descriptor is left.
    ASSERT_EQ(LoadCode(), 2);
    WriteOptionFile("1\nA\n");
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit none = limit;
    none.rlim_cur = 0;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
    const int code = LoadCode();
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limit), 0);

    EXPECT_EQ(code, 4);
    EXPECT_EQ(console.TakeLines(), Lines{});
}

TEST_F(OptionFileTest, FileWithoutReadPermissionGivesCode5) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteOptionFile("1\nA\n");
    std::filesystem::permissions("dpin.txt", std::filesystem::perms::none);

    EXPECT_EQ(LoadCode(), 5);
    EXPECT_EQ(console.TakeLines(), Lines{});
}

TEST_F(OptionFileTest, NamesTheSystemRejectsOrPathsThroughAFileMapToTheUsersCodes) {
    WriteOptionFile("1\nA\n");
    EXPECT_EQ(testing::OpenFailureCode(std::string(5000, 'n')), 3);
    EXPECT_EQ(testing::OpenFailureCode("dpin.txt/inner"), 2);
    EXPECT_EQ(testing::OpenFailureCode("missing/dpin.txt"), 2);
}

TEST_F(OptionFileTest, ClosesTheFileWhetherTheLoadSucceedsOrFails) {
    const int before = OpenDescriptorCount();
    WriteOptionFile("1\nA\n");
    console.engine.LoadOptionFile();
    EXPECT_EQ(OpenDescriptorCount(), before);
    WriteOptionFile("1x\nA\n");
    EXPECT_EQ(LoadCode(), 106);
    EXPECT_EQ(OpenDescriptorCount(), before);
}

#endif

TEST_F(OptionFileTest, PointsStayByPositionAndANewWalkStartsAtThePairOneAndTwo) {
    WriteOptionFile("3\nA\nB\nC\n");
    console.engine.LoadOptionFile();
    console.engine.AdvanceComparison();
    while (console.engine.EngineState != StateCode::Finished) console.Enter("2");
    const std::vector<std::int32_t> points = Snapshot(console.engine).scores;
    ASSERT_NE(points[0], 0);

    WriteOptionFile("3\nX\nY\nZ\n");
    console.TakeLines();
    console.engine.LoadOptionFile();

    EXPECT_EQ(console.TakeLines(), EchoOf(3, {"X", "Y", "Z"}));
    EXPECT_EQ(Snapshot(console.engine).scores, points);
    console.engine.AdvanceComparison();
    const Lines pair = console.TakeLines();
    ASSERT_GE(pair.size(), 4u);
    EXPECT_EQ(pair[1], "*** Options2 compared are 1 and 2");
    EXPECT_EQ(pair[3], "    (1): X");
}

TEST_F(OptionFileTest, AutoSetInTheMiddleOfAWalkRestartsAtThePairOneAndTwo) {
    WriteOptionFile("4\nA\nB\nC\nD\n");
    console.engine.LoadOptionFile();
    console.engine.AdvanceComparison();
    for (const char* answer : {"1", "2", "2"}) console.Enter(answer);
    ASSERT_EQ(console.engine.EngineState, StateCode::AwaitStrength);
    ASSERT_EQ(console.engine.SecondIndex, 3);

    console.engine.LoadOptionFile();
    EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    console.TakeLines();
    console.engine.AdvanceComparison();

    const Lines pair = console.TakeLines();
    ASSERT_GE(pair.size(), 5u);
    EXPECT_EQ(pair[1], "*** Options2 compared are 1 and 2");
    EXPECT_EQ(pair[3], "    (1): A");
    EXPECT_EQ(pair[4], "    (2): B");
}

TEST(IoErrorTest, TheCodeChoosesTheMessage) {
    const std::pair<int, const char*> cases[] = {{2, "File not found"},
                                                 {3, "Invalid filename"},
                                                 {4, "Too many open files"},
                                                 {5, "File access denied"},
                                                 {100, "Read beyond end of file"},
                                                 {101, "Disk full"},
                                                 {106, "Invalid numeric input"},
                                                 {32, "I/O error 32"},
                                                 {30, "I/O error 30"}};
    for (const auto& [code, message] : cases) {
        const IoError error(code);
        EXPECT_EQ(error.Code(), code);
        EXPECT_STREQ(error.what(), message);
    }
}

}  // namespace
}  // namespace ranquill
