#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace ranquill {

// Reads an option file as 8-bit text, streaming through a fixed buffer so
// that only the part of the file actually asked for is ever read.
//
// A line ends with a line feed; a carriage return is never part of a name.
// A Ctrl-Z (code 26) ends the file when met while the count is sought or
// while the rest of a line is skipped; inside a name it is an ordinary
// character. Every failure throws IoError with the code the user sees.
class OptionFileReader {
  public:
    // Opens an existing file for reading only; other programs may read it
    // meanwhile but not write it.
    explicit OptionFileReader(const std::string& name);
    ~OptionFileReader();
    OptionFileReader(const OptionFileReader&) = delete;
    OptionFileReader& operator=(const OptionFileReader&) = delete;

    // Skips every character of code 32 or less, then reads the following run
    // of at most 32 characters above 32, which must be one whole integer as
    // the entry box reads it (IoError 106 otherwise). The end of the file met
    // before any such character gives 0.
    std::int32_t ReadCount();
    // The rest of the current line without its line end, any length, every
    // carriage return dropped. Empty at the end of the file.
    std::string ReadName();
    // Moves past the next line feed.
    void SkipLine();
    // Closes the file now; the destructor closes it otherwise.
    void Close() noexcept;

  private:
#ifdef _WIN32
    using Handle = void*;
#else
    using Handle = int;
#endif
    static constexpr std::size_t kBufferSize = 64 * 1024;

    // The only parts that differ between operating systems.
    static Handle OpenExisting(const std::string& name);
    std::size_t ReadInto(char* buffer, std::size_t capacity);
    static void Release(Handle handle) noexcept;

    // True when a character is waiting at buffer_[next_]; refills as needed.
    bool HasNext();
    // Treats the file as ending at the current position.
    void EndHere();
    unsigned char PeekNext() const { return static_cast<unsigned char>(buffer_[next_]); }

    // Allocated before the file is opened, so a failed allocation leaks nothing.
    std::unique_ptr<char[]> buffer_;
    Handle handle_;
    bool open_ = true;
    // Set at the real end of the file and at a Ctrl-Z that ends it.
    bool ended_ = false;
    std::size_t next_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace ranquill
