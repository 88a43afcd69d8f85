#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <random>
#include <string>

#include "memory_console.h"
#include "saturating.h"

namespace ranquill {
namespace {

std::int64_t TotalPoints(const DecisionEngine& engine) {
    std::int64_t total = 0;
    for (std::int32_t k = 1; k <= DecisionEngine::MaxOptions; ++k) total += engine.OptionScores[k];
    return total;
}

// The points a press is about to credit, or nothing when it credits none.
std::optional<std::int32_t> PendingCredit(const DecisionEngine& engine, int button,
                                          const std::string& entry) {
    if (button == 1 && engine.EngineState == StateCode::AwaitStrength) {
        return DecisionEngine::ParseEntry(entry);
    }
    if (button >= 6 && engine.EngineState != StateCode::Finished) return button - 5;
    return std::nullopt;
}

std::string RandomEntry(std::mt19937& random) {
    static const char* const words[] = {"",           " ",
                                        "1",          "2",
                                        "3",          "0",
                                        "-1",         "7",
                                        "01",         "1abc",
                                        "abc",        "$FF",
                                        "-$1F",       "0x7FFFFFFF",
                                        "300",        "256",
                                        "257",        "99999999999999",
                                        "2147483647", "-2147483648",
                                        "\t",         "name with spaces"};
    std::uniform_int_distribution<int> pick(0, std::size(words) + 1);
    const int choice = pick(random);
    if (choice < static_cast<int>(std::size(words))) return words[choice];
    if (choice == static_cast<int>(std::size(words))) {
        return std::to_string(std::uniform_int_distribution<std::int64_t>(-1e12, 1e12)(random));
    }
    std::string bytes(std::uniform_int_distribution<int>(0, 12)(random), '\0');
    for (char& c : bytes) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    return bytes;
}

// Many random presses on one engine: it only ever rests in a resting state,
// its count stays within the tables, and the points change by exactly the
// credit of each press (credits outside the tables change nothing).
TEST(RandomPresses, EngineStaysConsistent) {
    std::mt19937 random(20261211);
    testing::MemoryConsole console;
    DecisionEngine& engine = console.engine;
    std::uniform_int_distribution<int> buttonOf(0, 8);

    for (int press = 0; press < 50000; ++press) {
        if (press % 5000 == 0) engine.EngineState = StateCode::AwaitSetup;  // a new window
        const int button = buttonOf(random);
        console.entry.text = RandomEntry(random);

        const std::int64_t before = TotalPoints(engine);
        std::int64_t expected = before;
        if (const auto credit = PendingCredit(engine, button, console.entry.text)) {
            const std::int32_t current = engine.OptionScores[engine.ChosenIndex];
            if (engine.OptionScores.Holds(engine.ChosenIndex)) {
                expected += std::int64_t{SaturatingAdd(current, *credit)} - current;
            }
        }

        switch (button) {
            case 0:
                engine.AdvanceSetup();
                break;
            case 1:
                engine.SubmitEntry();
                break;
            case 2:
                engine.AdvanceComparison();
                break;
            case 3:
            case 4:
                engine.PickOption(button - 2);
                break;
            default:
                engine.ApplyBetterment(button - 5);
                break;
        }

        ASSERT_TRUE(IsRestingState(engine.EngineState)) << "press " << press;
        ASSERT_LE(engine.OptionCount, DecisionEngine::MaxOptions) << "press " << press;
        ASSERT_EQ(TotalPoints(engine), expected) << "press " << press;
        if (console.transcript.lines.size() > 10000) console.TakeLines();
    }
}

}  // namespace
}  // namespace ranquill
