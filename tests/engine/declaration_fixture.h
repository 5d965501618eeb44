// A fresh engine for every declaration test, with the progress calls recorded and an in-memory
// library file behind ReadHook and WriteHook. Settings and hooks are restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Parser_core.h"

struct ProgressCall {
    std::uint16_t line;
    std::uint32_t activity;
    std::uint32_t total;
    std::uint32_t done;
    bool operator==(const ProgressCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ProgressCall& call) {
    return out << '(' << call.line << ',' << call.activity << ',' << call.total << ',' << call.done << ')';
}

// The library file the hooks read from and write to. A read answers what is left, as a file stream
// does; a write fails (answers 0) once writeLimit bytes have been written.
struct FakeLibraryFile {
    std::string bytes;
    std::size_t readPosition = 0;
    std::size_t writeLimit = std::string::npos;
};

class DeclarationTest : public ::testing::Test {
public:
    static std::vector<ProgressCall> progress;
    static FakeLibraryFile file;

protected:
    explicit DeclarationTest(std::int32_t maxConst = 100, std::int32_t maxFunc = 30,
                             std::uint16_t refAlloc = 10);
    void SetUp() override;
    void TearDown() override;

    // Opens, fills and commits a working copy; fails the test when the commit fails.
    static void DeclareConstants(const std::vector<std::string>& definitions);
    static void DeclareFunctions(const std::vector<std::string>& definitions);
    static double Evaluate(const std::string& formula);

private:
    std::int32_t maxConst_;
    std::int32_t maxFunc_;
    std::uint16_t refAlloc_;
    std::int32_t savedMaxConst_ = 0;
    std::int32_t savedMaxFunc_ = 0;
    std::uint16_t savedRefAlloc_ = 0;
    tProgressHook savedProgress_ = nullptr;
    tReadHook savedRead_ = nullptr;
    tWriteHook savedWrite_ = nullptr;
};
