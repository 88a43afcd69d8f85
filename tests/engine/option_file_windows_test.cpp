// The option file on Windows: the share mode it is opened with and the
// system's own error numbers as the codes users see.
#include <gtest/gtest.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "memory_console.h"
#include "open_failure.h"
#include "option_file_reader.h"
#include "scratch_directory.h"

namespace ranquill {
namespace {

using testing::MemoryConsole;
using testing::ScratchDirectory;
using Lines = std::vector<std::string>;

constexpr DWORD kShareNone = 0;
constexpr DWORD kShareRead = FILE_SHARE_READ;
constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

// A handle on dpin.txt held by "another program" for as long as it lives.
class OtherHandle {
  public:
    OtherHandle(DWORD access, DWORD share)
        : handle_(CreateFileA("dpin.txt", access, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)),
          error_(handle_ == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS) {}
    ~OtherHandle() {
        if (Opened()) CloseHandle(handle_);
    }
    OtherHandle(const OtherHandle&) = delete;
    OtherHandle& operator=(const OtherHandle&) = delete;

    bool Opened() const { return handle_ != INVALID_HANDLE_VALUE; }
    DWORD Error() const { return error_; }

  private:
    HANDLE handle_;
    DWORD error_;
};

class WindowsOptionFileTest : public ::testing::Test {
  protected:
    void WriteOptionFile(std::string_view bytes) { directory.WriteFile("dpin.txt", bytes); }

    // Presses Auto Set and returns the IoError, or an empty text when none.
    std::string LoadMessage() {
        try {
            console.engine.LoadOptionFile();
        } catch (const IoError& error) {
            return std::to_string(error.Code()) + " " + error.what();
        }
        return {};
    }

    ScratchDirectory directory;
    MemoryConsole console;
};

struct OtherProgramCase {
    const char* what;
    DWORD access;
    DWORD share;
    // "" when the load succeeds.
    std::string message;

    friend void PrintTo(const OtherProgramCase& c, std::ostream* out) { *out << c.what; }
};

class OtherProgramTest : public WindowsOptionFileTest,
                         public ::testing::WithParamInterface<OtherProgramCase> {};

// Another program may read the file meanwhile; one that writes it, or that
// keeps it to itself, makes the load fail with the system's sharing
// violation, which has no text of its own.
TEST_P(OtherProgramTest, LoadsAlongsideReadersAndFailsWithCode32AlongsideWriters) {
    const OtherProgramCase& c = GetParam();
    WriteOptionFile("2\nAlpha\nBeta\n");
    const OtherHandle other(c.access, c.share);
    ASSERT_TRUE(other.Opened()) << "error " << other.Error();

    EXPECT_EQ(LoadMessage(), c.message);

    if (c.message.empty()) {
        EXPECT_EQ(console.engine.OptionNames[2], "Beta");
        EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    } else {
        EXPECT_EQ(console.TakeLines(), Lines{});
        EXPECT_EQ(console.engine.OptionCount, 0);
        EXPECT_EQ(console.engine.EngineState, StateCode::AwaitSetup);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handles, OtherProgramTest,
    ::testing::Values(
        OtherProgramCase{"reader sharing reads", GENERIC_READ, kShareRead, ""},
        OtherProgramCase{"reader sharing reads and writes", GENERIC_READ, kShareReadWrite, ""},
        OtherProgramCase{"reader sharing nothing", GENERIC_READ, kShareNone, "32 I/O error 32"},
        OtherProgramCase{"writer sharing nothing", GENERIC_WRITE, kShareNone, "32 I/O error 32"},
        OtherProgramCase{"writer sharing reads", GENERIC_WRITE, kShareRead, "32 I/O error 32"},
        OtherProgramCase{"writer sharing reads and writes", GENERIC_WRITE, kShareReadWrite,
                         "32 I/O error 32"}),
    [](const ::testing::TestParamInfo<OtherProgramCase>& info) {
        return std::to_string(info.index);
    });

TEST_F(WindowsOptionFileTest, WhileTheFileIsOpenOthersMayReadItButNotWriteIt) {
    WriteOptionFile("1\nA\n");
    OptionFileReader reader("dpin.txt");

    EXPECT_TRUE(OtherHandle(GENERIC_READ, kShareReadWrite).Opened());
    const OtherHandle writer(GENERIC_WRITE, kShareReadWrite);
    EXPECT_FALSE(writer.Opened());
    EXPECT_EQ(writer.Error(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST_F(WindowsOptionFileTest, ClosesTheFileWhetherTheLoadSucceedsOrFails) {
    WriteOptionFile("1\nA\n");
    console.engine.LoadOptionFile();
    EXPECT_TRUE(OtherHandle(GENERIC_WRITE, kShareNone).Opened());

    WriteOptionFile("1x\nA\n");
    EXPECT_EQ(LoadMessage(), "106 Invalid numeric input");
    EXPECT_TRUE(OtherHandle(GENERIC_WRITE, kShareNone).Opened());
}

TEST_F(WindowsOptionFileTest, OpeningFailuresGiveTheSystemsErrorNumber) {
    EXPECT_EQ(LoadMessage(), "2 File not found");
    CreateDirectoryA("dpin.txt", nullptr);
    EXPECT_EQ(LoadMessage(), "5 File access denied");

    EXPECT_EQ(testing::OpenFailureCode("missing\\dpin.txt"), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(testing::OpenFailureCode("bad|name"), ERROR_INVALID_NAME);
}

}  // namespace
}  // namespace ranquill
