// SPDX-License-Identifier: GPL-3.0-or-later
// A front end cancels work by raising cCalculationCancelled from its progress or poll hook: every
// engine operation then unwinds as on a failure and leaves nothing half done.
#include <new>

#include "declaration_fixture.h"

namespace {

// Raises the cancellation at the progress call with this number (counting from 1, end calls left out,
// as a front end never cancels on them); or std::bad_alloc there, as memory running out would.
std::size_t CancelAtCall = 0;
bool RunOutOfMemory = false;

void CancellingProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    cEngineTest::Calls().push_back({line, activity, total, done});
    const bool endCall = activity == ActivityIdle;
    if (endCall || --CancelAtCall != 0) return;
    if (RunOutOfMemory) throw std::bad_alloc();
    throw cCalculationCancelled();
}

class CancellationTest : public DeclarationTest {
protected:
    void CancelAt(std::size_t call) {
        Calls().clear();
        CancelAtCall = call;
        ProgressHook = CancellingProgress;
    }
};

TEST_F(CancellationTest, AnEvaluationClosesEveryLineItOpened) {
    DeclareFunctions({"f(x)=x*2", "g(x)=f(x)+1"});
    CancelAt(8);  // inside f, two calls deep
    cParseTree tree("g(3)");
    EXPECT_THROW(tree.Evaluate(), cCalculationCancelled);
    const std::vector<cProgressCall> closing(Calls().end() - 3, Calls().end());
    EXPECT_EQ(closing, (std::vector<cProgressCall>{{2, 0, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 0}}));
}

// Quiet stretches make no progress calls; the poll hook reaches them.
TEST_F(CancellationTest, QuietStretchesCanBeCancelledThroughThePollHook) {
    const struct {
        const char* stretch;
        const char* formula;
    } cases[] = {
        {"the end points of solve", "solve('x';0;1;sum('i';1;1000000;i)-x)"},
        // Found by the formula fuzzer: the bound is evaluated while the work is counted, before line 0
        // is opened, and the cancellation still closes it.
        {"a sum's bound while counting", "sum('i';1;sum('j';1;1000000;1);1)"},
    };
    static int polls = 0;
    PollHook = [] {
        if (++polls == 3) throw cCalculationCancelled();
    };
    for (const auto& c : cases) {
        polls = 0;
        Calls().clear();
        cParseTree tree(c.formula);
        EXPECT_THROW(tree.Evaluate(), cCalculationCancelled) << c.stretch;
        EXPECT_EQ(polls, 3) << c.stretch;
        ASSERT_FALSE(Calls().empty()) << c.stretch;
        EXPECT_EQ(Calls().back(), (cProgressCall{0, 0, 0, 0})) << c.stretch;
    }
}

TEST_F(CancellationTest, ACancelledOrOutOfMemoryCommitOrLoadLeavesTheTablesAndNoWorkingCopy) {
    DeclareConstants({"ka=1"});
    DeclareFunctions({"f(x)=x+ka"});
    const struct {
        const char* what;
        const cDeclarationOperations* kind;
        std::size_t cancelAt;
        std::string library;  // empty: commit a working copy with one more declaration
    } cases[] = {
        {"constant commit", &ConstantDeclarations, 2, ""},
        {"function commit", &FunctionDeclarations, 1, ""},
        {"constant load, reading", &ConstantDeclarations, 2,
         std::string("OVC\x01\x01\x02\x00\x00\x00\x04\x00kb=2\x00\x00\x04\x00kc=3\x00\x00", 25)},
        {"function load, interpreting", &FunctionDeclarations, 4,
         std::string("OVF\x01\x01\x01\x00\x00\x00\x07\x00g(x)=2x\x00\x00", 20)},
    };
    for (const bool outOfMemory : {false, true}) {
        RunOutOfMemory = outOfMemory;
        auto expectRaised = [outOfMemory](auto operation, const char* what) {
            if (outOfMemory)
                EXPECT_THROW(operation(), std::bad_alloc) << what;
            else
                EXPECT_THROW(operation(), cCalculationCancelled) << what;
        };
        for (const auto& c : cases) {
            if (c.library.empty()) {
                c.kind->begin();
                c.kind->add(c.kind == &ConstantDeclarations ? "kb=2" : "g(x)=2", "");
                CancelAt(c.cancelAt);
                expectRaised([&c] { c.kind->commit(); }, c.what);
            } else {
                file = cFakeLibraryFile{c.library};
                CancelAt(c.cancelAt);
                expectRaised([&c] { c.kind->load(); }, c.what);
            }
            EXPECT_FALSE(ConstWorkOpen || FuncWorkOpen) << c.what;
            EXPECT_FALSE(InterpretingFuncs) << c.what;
            EXPECT_EQ(Calls().back(), (cProgressCall{0, 0, 0, 0})) << c.what;
            EXPECT_EQ(GetConstCount(), 1) << c.what;
            EXPECT_EQ(GetFuncCount(), 1) << c.what;
            EXPECT_EQ(Eval("f(1)"), 2) << c.what;
        }
    }
    RunOutOfMemory = false;
}

TEST_F(CancellationTest, ACancelledSaveEndsItsProgressLine) {
    DeclareConstants({"ka=1", "kb=2"});
    CancelAt(2);
    EXPECT_THROW(SaveConstLibrary(), cCalculationCancelled);
    EXPECT_EQ(Calls().back(), (cProgressCall{0, 0, 0, 0}));
}

}  // namespace
