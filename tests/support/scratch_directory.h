#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ranquill::testing {

// A fresh, empty directory that is the process's current directory while
// the object lives. The destructor restores the previous current directory
// and removes this one with everything in it.
class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Writes `bytes` exactly (no line-end translation) to `name`, replacing it.
    void WriteFile(const std::string& name, std::string_view bytes) const;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace ranquill::testing
