// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh engine for every declaration test, with an in-memory library file behind ReadHook and
// WriteHook.
#pragma once

#include <string>
#include <vector>

#include "engine_fixture.h"

// The library file the hooks read from and write to. A read answers what is left, as a file stream
// does; a write fails (answers 0) once writeLimit bytes have been written.
struct cFakeLibraryFile {
    std::string bytes;
    std::size_t readPosition = 0;
    std::size_t writeLimit = std::string::npos;
};

class DeclarationTest : public cEngineTest {
public:
    static cFakeLibraryFile file;

protected:
    using cEngineTest::cEngineTest;
    void SetUp() override;

    // Opens, fills and commits a working copy; fails the test when the commit fails.
    static void DeclareConstants(const std::vector<std::string>& definitions);
    static void DeclareFunctions(const std::vector<std::string>& definitions);
};
