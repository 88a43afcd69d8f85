#include "scratch_directory.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace ranquill::testing {

ScratchDirectory::ScratchDirectory() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("ranquill-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::current_path(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void ScratchDirectory::WriteFile(const std::string& name, std::string_view bytes) const {
    std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + name);
}

}  // namespace ranquill::testing
