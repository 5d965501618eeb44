// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the stack of the running thread against input nested without end. Parsing, counting and
// evaluating recurse once per level of a formula, and evaluation once more per nested user-function
// call; each recursion checks the room left below its frame against the thread's real stack, less a
// reserve for what runs on top of the deepest level (a front end's hook redrawing its windows, the
// maths library). So every input is either computed or refused with a failure, whatever the stack size.
#pragma once

#include <cstdint>

// The lowest frame address the guarded recursions may reach on the thread that last called
// UseStackOfThisThread.
extern std::uintptr_t StackFloor;

// Points StackFloor at the running thread's stack; cheap after the first call on a thread.
void UseStackOfThisThread();

// A local's address, not __builtin_frame_address: that forces a frame pointer on every guarded
// function, and GCC for 64-bit Windows (12 at least) then writes unwind data that puts back the saved
// XMM registers from the wrong place, so a caught failure found its locals garbled.
inline bool StackNearlyExhausted() {
    const volatile char here = 0;
    return reinterpret_cast<std::uintptr_t>(&here) < StackFloor;
}
