// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the tests run on the stack the programs are built for (8 MiB): on Linux the soft limit, which
// CI lowers once to 1 MiB; on Windows the main thread's reserve, which the link sets.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

inline bool HasTheUsualStack() {
    constexpr unsigned long long usual = 8ull * 1024 * 1024;
#ifdef _WIN32
    ULONG_PTR low = 0;
    ULONG_PTR high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    return high - low >= usual;
#else
    rlimit stack{};
    getrlimit(RLIMIT_STACK, &stack);
    return stack.rlim_cur == RLIM_INFINITY || stack.rlim_cur >= usual;
#endif
}
