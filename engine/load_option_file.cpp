#include <algorithm>
#include <string>
#include <vector>

#include "decision_engine.h"
#include "option_file_reader.h"

namespace ranquill {

void DecisionEngine::LoadOptionFile() {
    OptionFileReader file("dpin.txt");
    WriteLine(" ");
    WriteLine("Automated Option Setup");

    // Everything is read before anything is stored, so a failure leaves the
    // engine as it was.
    const std::int32_t count = file.ReadCount();
    file.SkipLine();
    std::vector<std::string> names(static_cast<std::size_t>(std::clamp(count, 0, MaxOptions)));
    for (std::string& name : names) {
        name = file.ReadName();
        file.SkipLine();
    }
    file.Close();

    OptionCount = count;
    WriteLine("Number of Options: " + std::to_string(count));
    LimitOptionCount();
    for (std::int32_t k = 1; k <= OptionCount; ++k) {
        OptionNames.Set(k, std::move(names[static_cast<std::size_t>(k - 1)]));
        WriteLine("Option " + std::to_string(k) + ": " + OptionNames[k]);
    }
    WriteLine(" ");
    WriteLine(" ");
    EngineState = StateCode::ReadyToCompare;
    FirstIndex = 1;
    SecondIndex = 2;
}

}  // namespace ranquill
