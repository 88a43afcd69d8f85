#pragma once

#include <sys/resource.h>

// The process's peak resident set size so far, in kibibytes.
inline long PeakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
