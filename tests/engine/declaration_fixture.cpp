#include "declaration_fixture.h"

#include <algorithm>
#include <cstring>

std::vector<ProgressCall> DeclarationTest::progress;
FakeLibraryFile DeclarationTest::file;

namespace {

void RecordProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done);
std::int32_t ReadFromFile(void* buffer, std::int32_t count);
std::int32_t WriteToFile(const void* buffer, std::int32_t count);

}  // namespace

DeclarationTest::DeclarationTest(std::int32_t maxConst, std::int32_t maxFunc, std::uint16_t refAlloc)
    : maxConst_(maxConst), maxFunc_(maxFunc), refAlloc_(refAlloc) {}

void DeclarationTest::SetUp() {
    savedMaxConst_ = MaxConst;
    savedMaxFunc_ = MaxFunc;
    savedRefAlloc_ = RefAlloc;
    savedProgress_ = ProgressHook;
    savedRead_ = ReadHook;
    savedWrite_ = WriteHook;
    MaxConst = maxConst_;
    MaxFunc = maxFunc_;
    RefAlloc = refAlloc_;
    ProgressHook = RecordProgress;
    ReadHook = ReadFromFile;
    WriteHook = WriteToFile;
    progress.clear();
    file = FakeLibraryFile{};
    InitEngine();
}

void DeclarationTest::TearDown() {
    DiscardConstWork();
    DiscardFuncWork();
    DoneEngine();
    MaxConst = savedMaxConst_;
    MaxFunc = savedMaxFunc_;
    RefAlloc = savedRefAlloc_;
    ProgressHook = savedProgress_;
    ReadHook = savedRead_;
    WriteHook = savedWrite_;
}

void DeclarationTest::DeclareConstants(const std::vector<std::string>& definitions) {
    BeginConstWork();
    for (const std::string& definition : definitions)
        ASSERT_TRUE(AddConstant(definition, ""));
    ASSERT_EQ(CommitConstWork(), -1);
}

void DeclarationTest::DeclareFunctions(const std::vector<std::string>& definitions) {
    BeginFuncWork();
    for (const std::string& definition : definitions)
        ASSERT_TRUE(AddFunction(definition, ""));
    ASSERT_EQ(CommitFuncWork(), -1);
}

double DeclarationTest::Evaluate(const std::string& formula) {
    cParseTree tree(formula);
    return tree.Evaluate();
}

namespace {

void RecordProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    DeclarationTest::progress.push_back({line, activity, total, done});
}

std::int32_t ReadFromFile(void* buffer, std::int32_t count) {
    FakeLibraryFile& file = DeclarationTest::file;
    const std::size_t moved = std::min<std::size_t>(count, file.bytes.size() - file.readPosition);
    std::memcpy(buffer, file.bytes.data() + file.readPosition, moved);
    file.readPosition += moved;
    return static_cast<std::int32_t>(moved);
}

std::int32_t WriteToFile(const void* buffer, std::int32_t count) {
    FakeLibraryFile& file = DeclarationTest::file;
    if (file.bytes.size() + count > file.writeLimit) return 0;
    file.bytes.append(static_cast<const char*>(buffer), count);
    return count;
}

}  // namespace
