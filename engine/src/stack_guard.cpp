// SPDX-License-Identifier: GPL-3.0-or-later
#include "stack_guard.h"

#include <algorithm>
#include <cstddef>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__linux__)
#include <pthread.h>
#endif

std::uintptr_t StackFloor = 0;

namespace {

// Room kept below the deepest guarded frame: at most a quarter of the stack.
constexpr std::size_t Reserve = 256 * 1024;

struct cStackBounds {
    std::uintptr_t low;
    std::size_t size;
};

// Used where the system cannot tell: the smallest stack a thread is commonly given (1 MiB), counted
// from the first frame that asks.
cStackBounds AssumedBounds() {
    constexpr std::size_t assumed = 1024 * 1024;
    const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return {here > assumed ? here - assumed : 0, assumed};
}

cStackBounds ThreadStackBounds() {
#if defined(_WIN32)
    ULONG_PTR low = 0;
    ULONG_PTR high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    if (high > low) return {static_cast<std::uintptr_t>(low), static_cast<std::size_t>(high - low)};
#elif defined(__linux__)
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
        void* address = nullptr;
        std::size_t size = 0;
        const bool known = pthread_attr_getstack(&attributes, &address, &size) == 0;
        pthread_attr_destroy(&attributes);
        if (known && size > 0) return {reinterpret_cast<std::uintptr_t>(address), size};
    }
#endif
    return AssumedBounds();
}

std::uintptr_t ComputeFloor() {
    const cStackBounds bounds = ThreadStackBounds();
    return bounds.low + std::min(Reserve, bounds.size / 4);
}

}  // namespace

void UseStackOfThisThread() {
    thread_local const std::uintptr_t floor = ComputeFloor();
    StackFloor = floor;
}
