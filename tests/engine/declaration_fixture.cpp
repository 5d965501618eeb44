// SPDX-License-Identifier: GPL-3.0-or-later
#include "declaration_fixture.h"

#include <algorithm>
#include <cstring>

cFakeLibraryFile DeclarationTest::file;

namespace {

std::int32_t ReadFromFile(void* buffer, std::int32_t count) {
    cFakeLibraryFile& file = DeclarationTest::file;
    const std::size_t moved = std::min<std::size_t>(count, file.bytes.size() - file.readPosition);
    std::memcpy(buffer, file.bytes.data() + file.readPosition, moved);
    file.readPosition += moved;
    return static_cast<std::int32_t>(moved);
}

std::int32_t WriteToFile(const void* buffer, std::int32_t count) {
    cFakeLibraryFile& file = DeclarationTest::file;
    if (file.bytes.size() + count > file.writeLimit) return 0;
    file.bytes.append(static_cast<const char*>(buffer), count);
    return count;
}

}  // namespace

void DeclarationTest::SetUp() {
    ReadHook = ReadFromFile;
    WriteHook = WriteToFile;
    file = cFakeLibraryFile{};
    cEngineTest::SetUp();
}

void DeclarationTest::DeclareConstants(const std::vector<std::string>& definitions) {
    BeginConstWork();
    for (const std::string& definition : definitions)
        ASSERT_TRUE(AddConstant(definition, ""));
    ASSERT_EQ(CommitConstWork(), CommitSucceeded);
}

void DeclarationTest::DeclareFunctions(const std::vector<std::string>& definitions) {
    BeginFuncWork();
    for (const std::string& definition : definitions)
        ASSERT_TRUE(AddFunction(definition, ""));
    ASSERT_EQ(CommitFuncWork(), CommitSucceeded);
}
