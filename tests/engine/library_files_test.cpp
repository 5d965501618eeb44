// SPDX-License-Identifier: GPL-3.0-or-later
// Library files through the hooks: the exact bytes written, every loader result, the progress calls,
// and that a failed load leaves the live tables as they were.
#include "declaration_fixture.h"

namespace {

using LibraryTest = DeclarationTest;

class SmallTableLibraryTest : public DeclarationTest {
protected:
    SmallTableLibraryTest() : DeclarationTest(4, 4) {}
};

using namespace std::string_literals;

const std::string EmptyConstLibrary = "OVC\x01\x01\x00\x00\x00\x00"s;
const std::string EarthLibrary =
    "OVC\x01\x01\x01\x00\x00\x00\x06\x00g=9.81\x05\x00"
    "Earth"s;

std::string String16(const std::string& text) {
    return std::string{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)} + text;
}

std::string Library(const std::string& magic, std::int32_t count, const std::vector<std::string>& texts) {
    std::string bytes = magic + "\x01\x01"s;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(static_cast<std::uint32_t>(count) >> (8 * i));
    for (const std::string& text : texts)
        bytes += String16(text);
    return bytes;
}

std::vector<std::string> LiveConstDefinitions() {
    std::vector<std::string> definitions;
    for (std::int32_t i = 0; i < ConstCount; ++i)
        definitions.push_back(Constants[i].definition.value_or("?"));
    return definitions;
}

TEST_F(LibraryTest, AnEmptyConstantTableSavesAsNineBytes) {
    EXPECT_TRUE(SaveConstLibrary());
    EXPECT_EQ(file.bytes, EmptyConstLibrary);
    EXPECT_EQ(Calls(), (std::vector<cProgressCall>{{0, 2, 0, 0}, {0, 0, 0, 0}}));
}

TEST_F(LibraryTest, OneConstantSavesAsTwentyFourBytes) {
    BeginConstWork();
    ASSERT_TRUE(AddConstant("g=9.81", "Earth"));
    ASSERT_EQ(CommitConstWork(), -1);
    Calls().clear();
    EXPECT_TRUE(SaveConstLibrary());
    EXPECT_EQ(file.bytes, EarthLibrary);
    EXPECT_EQ(file.bytes.size(), 24u);
}

TEST_F(LibraryTest, SavingTwoConstantsReportsEachEntry) {
    DeclareConstants({"a1=1", "a2=2"});
    Calls().clear();
    ASSERT_TRUE(SaveConstLibrary());
    EXPECT_EQ(Calls(), (std::vector<cProgressCall>{{0, 2, 2, 0}, {0, 2, 2, 1}, {0, 2, 2, 2}, {0, 0, 0, 0}}));
}

struct WriteFailureCase {
    const char* what;
    std::size_t writeLimit;
    std::vector<cProgressCall> progress;
};

// The file of "a1=1","" and "a2=2","" is 9 + 8 + 8 bytes; a write fails once the limit is passed.
const WriteFailureCase WriteFailures[] = {
    {"magic", 2, {}},
    {"version", 4, {}},
    {"count", 8, {}},
    {"first definition's length", 10, {{0, 2, 2, 0}, {0, 0, 0, 0}}},
    {"first definition's text", 14, {{0, 2, 2, 0}, {0, 0, 0, 0}}},
    {"second description", 24, {{0, 2, 2, 0}, {0, 2, 2, 1}, {0, 0, 0, 0}}},
};

TEST_F(LibraryTest, AFailingWriteEndsTheSaveWithFalse) {
    DeclareConstants({"a1=1", "a2=2"});
    for (const WriteFailureCase& c : WriteFailures) {
        Calls().clear();
        file = cFakeLibraryFile{};
        file.writeLimit = c.writeLimit;
        EXPECT_FALSE(SaveConstLibrary()) << c.what;
        EXPECT_EQ(Calls(), c.progress) << c.what;
    }
}

TEST_F(LibraryTest, ATextTooLongForItsLengthFieldFailsTheSaveInsteadOfBeingCut) {
    EXPECT_TRUE(WriteString(std::string(65535, 'x')));
    file = cFakeLibraryFile{};
    EXPECT_FALSE(WriteString(std::string(65536, 'x')));
    EXPECT_FALSE(WriteString(std::string(65537, 'x')));
    EXPECT_EQ(file.bytes, "");
}

TEST_F(LibraryTest, AStringEndsAtItsFirstNulByte) {
    file.bytes =
        "\x05\x00"
        "ab\0cd"s
        "\x02\x00"
        "ef"s;
    std::string text = "old";
    ASSERT_TRUE(ReadString(text));
    EXPECT_EQ(text, "ab");
    ASSERT_TRUE(ReadString(text));
    EXPECT_EQ(text, "ef");
}

TEST_F(LibraryTest, AShortStringLeavesTheTextAsItWas) {
    for (const std::string& bytes : {"\x01"s,
                                     "\x03\x00"
                                     "ab"s}) {
        file = cFakeLibraryFile{};
        file.bytes = bytes;
        std::string text = "kept";
        EXPECT_FALSE(ReadString(text));
        EXPECT_EQ(text, "kept");
    }
}

struct LoadCase {
    const char* what;
    std::string bytes;
    std::int32_t result;
    std::vector<std::string> liveAfter;
};

// The live table holds k=1 before each load.
const LoadCase ConstLoads[] = {
    {"function library", Library("OVF", 0, {}), -4, {"k=1"}},
    {"two bytes", "OV", -2, {"k=1"}},
    {"empty file", "", -2, {"k=1"}},
    {"no version", "OVC\x01"s, -2, {"k=1"}},
    {"other version", "OVC\x02\x01\x00\x00\x00\x00"s, -5, {"k=1"}},
    {"short count", "OVC\x01\x01\x00\x00"s, -2, {"k=1"}},
    {"entry cut short", Library("OVC", 1, {"g=9.81"}), -2, {"k=1"}},
    {"string cut short",
     Library("OVC", 1, {"g=9.81"}) + "\x05\x00"
                                     "Ea"s,
     -2,
     {"k=1"}},
    {"count larger than the entries", Library("OVC", 3, {"g=1", "", "h=2", ""}), -2, {"k=1"}},
    {"more entries than room",
     Library("OVC", 4, {"a1=1", "", "a2=2", "", "a3=3", "", "a4=4", ""}),
     -3,
     {"k=1"}},
    {"invalid declaration answers its combined position",
     Library("OVC", 2, {"g=1", "", "h=x", ""}),
     2,
     {"k=1"}},
    {"count zero recommits the live table", Library("OVC", 0, {}), -1, {"k=1"}},
    {"negative count loads nothing", Library("OVC", -5, {"g=1", ""}), -1, {"k=1"}},
    {"loaded", Library("OVC", 2, {"g=9.81", "Earth", "h=2", ""}), -1, {"k=1", "g=9.81", "h=2"}},
    {"bytes after the last entry are never read",
     Library("OVC", 1, {"g=1", ""}) + "junk",
     -1,
     {"k=1", "g=1"}},
};

TEST_F(SmallTableLibraryTest, LoadingAConstantLibraryAnswersItsResult) {
    for (const LoadCase& c : ConstLoads) {
        DoneEngine();
        InitEngine();
        DeclareConstants({"k=1"});
        file = cFakeLibraryFile{};
        file.bytes = c.bytes;
        EXPECT_EQ(LoadConstLibrary(), c.result) << c.what;
        EXPECT_EQ(LiveConstDefinitions(), c.liveAfter) << c.what;
        EXPECT_FALSE(ConstWorkOpen) << c.what;
        EXPECT_FALSE(FuncWorkOpen) << c.what;
    }
}

TEST_F(LibraryTest, ALoadReportsEachEntryThenTheCommit) {
    file.bytes = Library("OVC", 2, {"g=1", "", "h=2", ""});
    ASSERT_EQ(LoadConstLibrary(), -1);
    const std::vector<cProgressCall> expected{{0, 3, 2, 0}, {0, 3, 2, 1}, {0, 3, 2, 2}, {0, 0, 0, 0},
                                              {0, 4, 2, 0}, {0, 4, 2, 1}, {0, 4, 2, 2}, {0, 0, 0, 0}};
    EXPECT_EQ(Calls(), expected);
}

TEST_F(LibraryTest, AShortReadEndsTheProgressDisplay) {
    file.bytes = Library("OVC", 2, {"g=1", ""});
    ASSERT_EQ(LoadConstLibrary(), -2);
    EXPECT_EQ(Calls(), (std::vector<cProgressCall>{{0, 3, 2, 0}, {0, 3, 2, 1}, {0, 0, 0, 0}}));
}

TEST_F(LibraryTest, SavedConstantsLoadBackIdentically) {
    DeclareConstants({"g=9.81", "=5", "c = 3e8"});
    BeginConstWork();
    ASSERT_TRUE(ModifyConstant(1, "=5", "empty name"));
    ASSERT_EQ(CommitConstWork(), -1);
    ASSERT_TRUE(SaveConstLibrary());
    const std::string saved = file.bytes;
    DoneEngine();
    InitEngine();
    file.readPosition = 0;
    ASSERT_EQ(LoadConstLibrary(), -1);
    file = cFakeLibraryFile{};
    ASSERT_TRUE(SaveConstLibrary());
    EXPECT_EQ(file.bytes, saved);
    EXPECT_EQ(Constants[1].name, "");
    EXPECT_EQ(Constants[1].description, "empty name");
}

TEST_F(LibraryTest, AFunctionLibraryCallingALaterFunctionAnswersItsCombinedPosition) {
    DeclareFunctions({"old(x)=x"});
    file.bytes = Library("OVF", 2, {"f(x)=x", "", "g(x)=h(x)", "", "h(x)=x", ""});
    EXPECT_EQ(LoadFuncLibrary(), 2);
    ASSERT_EQ(FuncCount, 1);
    EXPECT_EQ(UserFunctions[0].definition, "old(x)=x");
    EXPECT_FALSE(FuncWorkOpen);
}

TEST_F(LibraryTest, SavedFunctionsLoadBackAndWork) {
    DeclareConstants({"gg=9.81"});
    DeclareFunctions({"h(t)=gg*t^2/2", "d(x)=h(x)*2"});
    ASSERT_TRUE(SaveFuncLibrary());
    const std::string saved = file.bytes;
    BeginFuncWork();
    ASSERT_TRUE(DeleteFunction(1));
    ASSERT_TRUE(DeleteFunction(0));
    ASSERT_EQ(CommitFuncWork(), -1);
    file.readPosition = 0;
    ASSERT_EQ(LoadFuncLibrary(), -1);
    EXPECT_EQ(Eval("d(2)"), 39.24);
    EXPECT_EQ(Constants[0].refCount, 1u);
    file = cFakeLibraryFile{};
    ASSERT_TRUE(SaveFuncLibrary());
    EXPECT_EQ(file.bytes, saved);
}

}  // namespace
