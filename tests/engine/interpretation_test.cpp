// SPDX-License-Identifier: GPL-3.0-or-later
// Interpretation of definitions and the two commits: names, values, parameters, bodies, the order
// rule for function calls, progress calls, and the reference lists a commit leaves behind.
#include "declaration_fixture.h"

namespace {

using InterpretationTest = DeclarationTest;

class StepTwoTest : public DeclarationTest {
protected:
    StepTwoTest() : DeclarationTest(100, 30, 2) {}
};

struct ConstantCase {
    const char* definition;
    bool interpreted;
    std::string name;
    double value;
};

const ConstantCase ConstantCases[] = {
    {"g=9.81", true, "g", 9.81},    {" g = 9.81 ", true, "g", 9.81}, {"=5", true, "", 5},
    {"k=-2.5E3", true, "k", -2500}, {"Ab=+1e2", true, "Ab", 100},    {"noequals", false, "", 0},
};

TEST_F(InterpretationTest, AConstantGetsItsNameAndValue) {
    for (const ConstantCase& c : ConstantCases) {
        cConstant constant;
        constant.definition = c.definition;
        EXPECT_EQ(InterpretConstant(constant), c.interpreted) << c.definition;
        if (!c.interpreted) continue;
        EXPECT_EQ(constant.name, c.name) << c.definition;
        EXPECT_EQ(constant.value, c.value) << c.definition;
    }
}

TEST_F(InterpretationTest, AConstantWhoseNumberIsNoNumberRaises) {
    for (const char* definition : {"g=9.81*2", "g=", "g=9.81=2", "g=pi"}) {
        cConstant constant;
        constant.definition = definition;
        EXPECT_THROW(InterpretConstant(constant), cConversionError) << definition;
    }
}

struct FunctionCase {
    const char* definition;
    std::string name;
    std::int16_t paramCount;
    std::string body;
};

const FunctionCase FunctionCases[] = {
    {"f(x)=x^2", "f", 1, "a^2"},
    {"f(x;y)=x*y", "f", 2, "a*b"},
    {"f()=2", "f", 0, "2"},
    {"f(x)=exp(x)+x", "f", 1, "exp(a)+a"},
    {"f(e)=e*1e5", "f", 1, "a*1e5"},
    {"f(b;a)=a-b", "f", 2, "b-b"},
    {"f(xy)=x", "f", 1, "a"},
    {"f ( x ; y ) = y", "f", 2, "b"},
    {"f(_)=_*2", "f", 1, "a*2"},
    {"()=1", "", 0, "1"},
    {"f(a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t;u;v;w;x;y;z)=z", "f", 26, "z"},
};

TEST_F(InterpretationTest, AFunctionGetsItsNameParametersAndBody) {
    for (const FunctionCase& c : FunctionCases) {
        cUserFunction function;
        function.definition = c.definition;
        ASSERT_TRUE(InterpretFunction(function)) << c.definition;
        EXPECT_EQ(function.name, c.name) << c.definition;
        EXPECT_EQ(function.paramCount, c.paramCount) << c.definition;
        ASSERT_TRUE(function.tree) << c.definition;
        EXPECT_EQ(function.tree->text, c.body) << c.definition;
    }
}

// Letters past z are no variables, so a 27th parameter fails instead of being mapped to '{'.
TEST_F(InterpretationTest, AFunctionHeadThatIsNoParameterListFails) {
    for (const char* definition : {"f(x;)=x", "f(x=x", "fx)=x", "f(X)=X", "f(1)=1", "f(x)x",
                                   "f(a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t;u;v;w;x;y;z;_)=a"}) {
        cUserFunction function;
        function.definition = definition;
        EXPECT_FALSE(InterpretFunction(function)) << definition;
        EXPECT_FALSE(function.tree) << definition;
    }
}

TEST_F(InterpretationTest, AFunctionBodyTheParserRejectsRaises) {
    cUserFunction function;
    function.definition = "f(x)=x+";
    EXPECT_THROW(InterpretFunction(function), cParseFailure);
}

struct SubstitutionCase {
    const char* text;
    char oldChar;
    char newChar;
    const char* result;
};

const SubstitutionCase SubstitutionCases[] = {
    {"x^2+2*x", 'x', 'a', "a^2+2*a"}, {"exp(x)", 'e', 'a', "exp(x)"}, {"1e5+e", 'e', 'a', "1e5+a"},
    {".x", 'x', 'a', ".x"},           {"x", 'x', 'a', "a"},           {"xx", 'x', 'a', "xx"},
    {"2x", 'x', 'a', "2x"},           {"(x)", 'x', 'a', "(a)"},       {"x_+x", 'x', 'a', "x_+a"},
};

TEST_F(InterpretationTest, AParameterIsReplacedOnlyWhereItStandsAlone) {
    for (const SubstitutionCase& c : SubstitutionCases) {
        std::string text = c.text;
        SubstituteParameter(text, c.oldChar, c.newChar);
        EXPECT_EQ(text, c.result) << c.text;
    }
}

TEST_F(InterpretationTest, ACommittedFunctionCallsAnEarlierOne) {
    DeclareFunctions({"f(x)=x+1", "g(x)=f(x)*2"});
    EXPECT_EQ(Eval("g(3)"), 8);
    EXPECT_FALSE(FuncWorkOpen);
    EXPECT_FALSE(InterpretingFuncs);
}

TEST_F(InterpretationTest, ACallOfALaterFunctionFailsAtTheCaller) {
    BeginFuncWork();
    ASSERT_TRUE(AddFunction("g(x)=f(x)*2", ""));
    ASSERT_TRUE(AddFunction("f(x)=x+1", ""));
    EXPECT_EQ(CommitFuncWork(), 0);
    EXPECT_FALSE(InterpretingFuncs);
}

TEST_F(InterpretationTest, AFailedFunctionCommitForgetsWhatItInterpretedAndKeepsTheLiveTable) {
    DeclareFunctions({"old(x)=x"});
    Calls().clear();
    BeginFuncWork();
    ASSERT_TRUE(DeleteFunction(0));
    for (const char* definition : {"f0()=0", "f1()=1", "f2()=2", "f3()=f4()", "f4()=4"}) {
        ASSERT_TRUE(AddFunction(definition, ""));
    }
    EXPECT_EQ(CommitFuncWork(), 3);
    for (int j = 0; j <= 3; ++j) {
        EXPECT_FALSE(WorkFunctions[j].tree) << j;
        EXPECT_FALSE(WorkFunctions[j].name) << j;
    }
    EXPECT_EQ(WorkFunctions[4].definition, "f4()=4");
    EXPECT_TRUE(FuncWorkOpen);
    EXPECT_EQ(FuncCount, 1);
    EXPECT_EQ(UserFunctions[0].name, "old");
    const std::vector<cProgressCall> expected{
        {0, 4, 5, 0}, {0, 4, 5, 1}, {0, 4, 5, 2}, {0, 4, 5, 3}, {0, 0, 0, 0}};
    EXPECT_EQ(Calls(), expected);
}

TEST_F(InterpretationTest, AFailedConstantCommitForgetsTheNamesAndStaysOpen) {
    BeginConstWork();
    for (const char* definition : {"a1=1", "a2=x", "a3=3"})
        ASSERT_TRUE(AddConstant(definition, ""));
    EXPECT_EQ(CommitConstWork(), 1);
    EXPECT_FALSE(WorkConstants[0].name);
    EXPECT_FALSE(WorkConstants[1].name);
    EXPECT_TRUE(ConstWorkOpen);
    EXPECT_EQ(ConstCount, 0);
    EXPECT_EQ(Calls(), (std::vector<cProgressCall>{{0, 4, 3, 0}, {0, 4, 3, 1}, {0, 0, 0, 0}}));
}

TEST_F(InterpretationTest, ACommitWithoutWorkingCopyAnswersMinusOneSilently) {
    EXPECT_EQ(CommitConstWork(), -1);
    EXPECT_EQ(CommitFuncWork(), -1);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(StepTwoTest, ABodyUsingAConstantThreeTimesListsThreeNodesAndTheNextCommitEmptiesTheList) {
    DeclareConstants({"cc=2"});
    DeclareFunctions({"f(x)=cc*x+cc-cc"});
    EXPECT_EQ(Constants[0].refCount, 3u);
    EXPECT_EQ(Constants[0].refCapacity, 4u);
    EXPECT_EQ(Eval("f(5)"), 10);
    BeginFuncWork();
    ASSERT_TRUE(DeleteFunction(0));
    ASSERT_EQ(CommitFuncWork(), -1);
    EXPECT_EQ(Constants[0].refCount, 0u);
    EXPECT_TRUE(Constants[0].refs.empty());
}

TEST_F(InterpretationTest, AReferencedConstantIsProtectedUntilItsFunctionIsGone) {
    DeclareConstants({"cc=2"});
    DeclareFunctions({"f(x)=cc*x"});
    BeginConstWork();
    EXPECT_FALSE(ModifyConstant(0, "cc=2", "new description"));
    EXPECT_FALSE(DeleteConstant(0));
    DiscardConstWork();
    BeginFuncWork();
    ASSERT_TRUE(DeleteFunction(0));
    ASSERT_EQ(CommitFuncWork(), -1);
    BeginConstWork();
    EXPECT_TRUE(ModifyConstant(0, "cc=3", "new description"));
    EXPECT_TRUE(DeleteConstant(0));
}

TEST_F(InterpretationTest, DeletingAnEarlierConstantRenumbersTheReferringNodes) {
    DeclareConstants({"kk=1", "cc=7"});
    DeclareFunctions({"f(x)=cc*x"});
    BeginConstWork();
    ASSERT_TRUE(DeleteConstant(0));
    ASSERT_EQ(CommitConstWork(), -1);
    ASSERT_EQ(ConstCount, 1);
    EXPECT_EQ(Constants[0].name, "cc");
    EXPECT_EQ(Constants[0].refs[0]->index, 0);
    EXPECT_EQ(Eval("f(2)"), 14);
}

// The exact-size list copied when the constants were opened is emptied, then refilled, by a later
// function commit.
TEST_F(StepTwoTest, AFunctionCommitAfterAConstantCommitRebuildsTheCopiedLists) {
    DeclareConstants({"kk=1", "cc=7"});
    DeclareFunctions({"f(x)=cc*x+cc+cc"});
    DeclareConstants({});
    ASSERT_EQ(Constants[1].refCapacity, 3u);
    DeclareFunctions({"g(x)=cc+kk"});
    EXPECT_EQ(Constants[1].refCount, 4u);
    EXPECT_EQ(Constants[1].refCapacity, 4u);
    EXPECT_EQ(Constants[0].refCount, 1u);
    EXPECT_EQ(Eval("g(1)"), 8);
    EXPECT_EQ(Eval("f(1)"), 21);
}

}  // namespace
