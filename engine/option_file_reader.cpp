#include "option_file_reader.h"

#include <cstring>

#include "integer_parser.h"
#include "io_error.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ranquill {
namespace {

constexpr unsigned char kCtrlZ = 26;
constexpr std::size_t kMaxCountLength = 32;
constexpr int kInvalidNumericInput = 106;

}  // namespace

#ifdef _WIN32

// Windows reports its own error numbers, which are the codes users know.
OptionFileReader::Handle OptionFileReader::OpenExisting(const std::string& name) {
    const HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw IoError(static_cast<int>(GetLastError()));
    return handle;
}

std::size_t OptionFileReader::ReadInto(char* buffer, std::size_t capacity) {
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(capacity), &got, nullptr)) {
        throw IoError(static_cast<int>(GetLastError()));
    }
    return got;
}

void OptionFileReader::Release(Handle handle) noexcept { CloseHandle(handle); }

#else

namespace {

// Gives the system's error the code a user sees for it on every platform.
int CodeFor(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return 2;
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
        case EILSEQ:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
            return 5;
        case EIO:
            return 30;  // a device read fault; 5 would claim access was denied
        default:
            return error;
    }
}

}  // namespace

OptionFileReader::Handle OptionFileReader::OpenExisting(const std::string& name) {
    int handle;
    do {
        handle = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    } while (handle < 0 && errno == EINTR);
    if (handle < 0) throw IoError(CodeFor(errno));

    // A directory opens for reading here; elsewhere it is refused.
    struct stat info {};
    const bool statted = ::fstat(handle, &info) == 0;
    const int error = errno;
    if (!statted || S_ISDIR(info.st_mode)) {
        ::close(handle);
        throw IoError(statted ? CodeFor(EISDIR) : CodeFor(error));
    }
    return handle;
}

std::size_t OptionFileReader::ReadInto(char* buffer, std::size_t capacity) {
    ssize_t got;
    do {
        got = ::read(handle_, buffer, capacity);
    } while (got < 0 && errno == EINTR);
    if (got < 0) throw IoError(CodeFor(errno));
    return static_cast<std::size_t>(got);
}

void OptionFileReader::Release(Handle handle) noexcept { ::close(handle); }

#endif

OptionFileReader::OptionFileReader(const std::string& name)
    : buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)), handle_(OpenExisting(name)) {}

OptionFileReader::~OptionFileReader() { Close(); }

void OptionFileReader::Close() noexcept {
    if (!open_) return;
    Release(handle_);
    open_ = false;
    EndHere();
}

void OptionFileReader::EndHere() {
    ended_ = true;
    next_ = filled_;
}

bool OptionFileReader::HasNext() {
    if (next_ < filled_) return true;
    if (ended_) return false;
    filled_ = ReadInto(buffer_.get(), kBufferSize);
    next_ = 0;
    ended_ = filled_ == 0;
    return !ended_;
}

std::int32_t OptionFileReader::ReadCount() {
    while (HasNext() && PeekNext() <= ' ') {
        if (PeekNext() == kCtrlZ) {
            EndHere();
            return 0;
        }
        ++next_;
    }
    std::string token;
    while (token.size() < kMaxCountLength && HasNext() && PeekNext() > ' ') {
        token.push_back(buffer_[next_++]);
    }
    if (token.empty()) return 0;
    const ParsedInteger count = ParseInteger(token);
    if (!count.complete) throw IoError(kInvalidNumericInput);
    return count.value;
}

std::string OptionFileReader::ReadName() {
    std::string name;
    while (HasNext()) {
        const char* start = buffer_.get() + next_;
        const std::size_t available = filled_ - next_;
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length =
            lineFeed ? static_cast<std::size_t>(lineFeed - start) : available;
        name.append(start, length);
        next_ += length;
        if (lineFeed) break;
    }
    std::erase(name, '\r');
    return name;
}

void OptionFileReader::SkipLine() {
    while (HasNext()) {
        const unsigned char c = PeekNext();
        ++next_;
        if (c == '\n') return;
        if (c == kCtrlZ) {
            EndHere();
            return;
        }
    }
}

}  // namespace ranquill
