#include "open_failure.h"

#include "io_error.h"
#include "option_file_reader.h"

namespace ranquill::testing {

int OpenFailureCode(const std::string& name) {
    try {
        OptionFileReader reader(name);
    } catch (const IoError& error) {
        return error.Code();
    }
    return 0;
}

}  // namespace ranquill::testing
