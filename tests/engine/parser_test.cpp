// SPDX-License-Identifier: GPL-3.0-or-later
// The formula language's syntax: what parses to what value, and which failure each wrong formula
// raises.
#include <cmath>
#include <string>

#include "engine_fixture.h"
#include "parsing/parser.h"
#include "usual_stack.h"

namespace {

class ParserTest : public cEngineTest {};

struct cValueCase {
    const char* name;
    const char* formula;
    double expected;
};

TEST_F(ParserTest, FormulasGiveTheirValues) {
    const cValueCase cases[] = {
        {"blanks are dropped", "1 + 2", 3},
        {"tabs and high characters vanish", "1\t+\xe9 2", 3},
        {"digits separated by a blank join", "2 3", 23},
        {"power groups to the left", "2^3^2", 64},
        {"a leading sign covers the power", "-2^2", -4},
        {"a leading sign covers a product", "-3*2+1", -5},
        {"a leading plus is dropped", "+5", 5},
        {"bracketed sign", "2*(-3)", -6},
        {"subtraction groups to the left", "10-4-3", 3},
        {"division groups to the left", "8/4*2", 4},
        {"nested brackets", "(((7)))", 7},
        {"capital E keeps its exponent sign", "1E-5", 0.00001},
        {"small e splits at the minus", "1e-5", -4},
        {"small e with digits", "1e5", 100000},
        {"exponent digits may be missing", "1e", 1},
        {"exponent digits may be missing with a sign", "1E+", 1},
        {"a lone point is zero", ".", 0},
        {"a trailing point", "5.", 5},
        {"leading zeros in the exponent", "1E0000000005", 100000},
        {"character literal gives its code", "'A'", 65},
        {"character literal joins digits", "2'a'", 297},
        {"quote literal", "'''", 39},
        {"pi as a function", "pi()", 3.141592653589793},
        {"e as a function", "e()", 2.718281828459045},
        {"variables start at zero", "x+e", 0},
        {"underflow in a literal is zero", "1E-400", 0},
        {"zero mantissa with a large exponent", "0E4999", 0},
        {"long mantissa rounds correctly", "0.1000000000000000055511151231257827", 0.1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Eval(c.formula), c.expected) << c.name << ": " << c.formula;
}

struct cFailureCase {
    const char* name;
    const char* formula;
    ptFehlerCode expected;
};

TEST_F(ParserTest, SyntaxFailuresRaiseTheirCode) {
    const cFailureCase cases[] = {
        {"empty formula", "", ptFehlerCode::EmptyOperand},
        {"blanks only", "   ", ptFehlerCode::EmptyOperand},
        {"sign after an operator", "2*-3", ptFehlerCode::EmptyOperand},
        {"power of a negative literal", "2^-1", ptFehlerCode::EmptyOperand},
        {"double minus", "a--b", ptFehlerCode::EmptyOperand},
        {"plus minus", "a+-b", ptFehlerCode::EmptyOperand},
        {"leading double minus", "--a", ptFehlerCode::EmptyOperand},
        {"operator at the start", "*3", ptFehlerCode::EmptyOperand},
        {"empty brackets", "()", ptFehlerCode::EmptyOperand},
        {"trailing operator", "1+", ptFehlerCode::EmptyOperand},
        {"empty argument", "sin(1;)", ptFehlerCode::EmptyOperand},
        {"juxtaposed brackets", "(2)(3)", ptFehlerCode::BracketError},
        {"unmatched closing bracket", "1+2)", ptFehlerCode::BracketError},
        {"function without brackets", "sin 2", ptFehlerCode::BracketError},
        {"unclosed call", "sin(1", ptFehlerCode::BracketError},
        {"second argument list", "sin(1)(2)", ptFehlerCode::BracketError},
        {"unmatched opening bracket before a number", "(2+3", ptFehlerCode::UnknownFunction},
        {"name followed by digits", "x2", ptFehlerCode::UnknownFunction},
        {"lowercase followed by capital", "aB", ptFehlerCode::UnknownFunction},
        {"blank character literal", "' '", ptFehlerCode::UnknownFunction},
        {"unknown call before its arguments", "foo(1;)", ptFehlerCode::UnknownFunction},
        {"unmatched opening bracket before a letter", "(a", ptFehlerCode::UnknownConstant},
        {"pi without brackets", "pi", ptFehlerCode::UnknownConstant},
        {"capital letter", "A", ptFehlerCode::BadVariable},
        {"underscore alone", "_", ptFehlerCode::BadVariable},
        {"argument to pi", "pi(1)", ptFehlerCode::ArgumentCount},
        {"no argument to sin", "sin()", ptFehlerCode::ArgumentCount},
        {"two arguments to sin", "sin(1;2)", ptFehlerCode::ArgumentCount},
        {"sum with three arguments", "sum(i;1;2)", ptFehlerCode::ArgumentCount},
    };
    for (const auto& c : cases) {
        try {
            cParseTree tree(c.formula);
            ADD_FAILURE() << c.name << ": " << c.formula << " parsed";
        } catch (const cSyntaxError& error) {
            EXPECT_EQ(error.code, c.expected) << c.name << ": " << c.formula;
        }
    }
}

TEST_F(ParserTest, RejectedNumbersRaiseConversionErrors) {
    for (const char* formula : {"2x", "1.2.3", "2E*3", "sin((1;2))", "1E400", "1E5000", "9E499", "1,2.3"}) {
        EXPECT_THROW(cParseTree tree(formula), cConversionError) << formula;
    }
}

// The shown separator follows the locale; numbers are read with either, so that formulas and
// libraries move between machines.
TEST_F(ParserTest, NumbersReadEitherDecimalSeparatorInAnyLocale) {
    for (const char shown : {'.', ','}) {
        DecimalSeparator = shown;
        EXPECT_EQ(Eval("1,5*2"), 3);
        EXPECT_EQ(Eval("1.5*2"), 3);
        EXPECT_EQ(Eval(",5+.5"), 1);
        EXPECT_THROW(Eval("1,5.5"), cConversionError);
    }
}

TEST_F(ParserTest, PreparedTextKeepsLiteralsAsCodes) {
    cParseTree tree("sum('i'; 1; 10; i)");
    EXPECT_EQ(*tree.text, "sum(105;1;10;i)");
    EXPECT_EQ(tree.Evaluate(), 55);
}

TEST_F(ParserTest, TreeStructureFollowsTheSplit) {
    cParseTree tree("derivative('x';1;x^2)");
    EXPECT_EQ(tree.root->kind, ptNodeKind::Derivative);
    ASSERT_EQ(tree.root->childCount, 3);
    EXPECT_EQ(tree.root->children[0].kind, ptNodeKind::Num);
    EXPECT_EQ(tree.root->children[0].number, 120);
    EXPECT_EQ(tree.root->children[2].kind, ptNodeKind::Pow);

    cParseTree call("sin(x)");
    EXPECT_EQ(call.root->kind, ptNodeKind::BasicCall);
    EXPECT_EQ(call.root->index, 3);
    EXPECT_EQ(call.root->children[0].kind, ptNodeKind::Var);
    EXPECT_EQ(call.root->children[0].index, 'x' - 'a');
}

TEST_F(ParserTest, NamesResolveToConstantsAndUserFunctions) {
    DeclareConstant("sum", 7);  // a constant may share a keyword's name and is then used bare
    DeclareConstant("Ab", 3);
    DeclareFunction("twice", 1, "2*a");
    DeclareFunction("sin", 1, "a");  // hidden behind the built-in
    EXPECT_EQ(Eval("sum+Ab"), 10);
    EXPECT_EQ(Eval("twice(4)"), 8);
    EXPECT_EQ(Eval("sin(90)"), 1);
    EXPECT_THROW(Eval("twice(1;2)"), cSyntaxError);
}

TEST_F(ParserTest, FailedParseKeepsVariablesAndText) {
    cParseTree tree;
    tree.SetVariable('x', 5);
    tree.Parse("x*2");
    EXPECT_EQ(tree.Evaluate(), 10);
    tree.Parse("x+1");
    EXPECT_EQ(tree.Evaluate(), 6);
    EXPECT_THROW(tree.Parse("   "), cSyntaxError);
    EXPECT_EQ(tree.GetVariable('x'), 5);
    EXPECT_EQ(*tree.text, "");
}

// Formulas of the longest length the main window converts parse and evaluate whatever their shape
// on the usual 8 MiB stack; on a smaller one (CI runs this test once under ulimit -s 1024, and under
// the sanitizers once more at 256 KiB) each is computed or refused with a failure and freed, never a
// crash. Much longer ones are always refused.
TEST_F(ParserTest, DeepAndLongFormulasAreSafe) {
    const bool usualStack = HasTheUsualStack();
    auto repeat = [](const std::string& text, int times) {
        std::string result;
        for (int i = 0; i < times; ++i)
            result += text;
        return result;
    };
    std::string negations = "1";
    for (int i = 0; i < 1600; ++i)
        negations = "-(" + negations + ")";
    const struct {
        std::string formula;
        double value;
    } cases[] = {
        {"1" + repeat("+1", 2499), 2500},
        {std::string(2400, '(') + "7" + std::string(2400, ')'), 7},
        {negations, 1},
        {"1" + repeat("^1", 2499), 1},
        {repeat("sin(", 999) + "0" + std::string(999, ')'), 0},
    };
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(Eval(c.formula), c.value) << c.formula.substr(0, 20);
        } catch (const cParseFailure&) {
            EXPECT_FALSE(usualStack) << c.formula.substr(0, 20);
        } catch (const cCalcFailure& failure) {
            EXPECT_FALSE(usualStack) << c.formula.substr(0, 20);
            EXPECT_EQ(failure.kind, cCalcFailure::Kind::TooDeep);
        }
    }
    // sin( nested 4999 deep may be refused even on the usual stack, but it must not crash.
    try {
        EXPECT_EQ(Eval(repeat("sin(", 4999) + "0" + std::string(4999, ')')), 0);
    } catch (const cParseFailure&) {
    }

    const std::string longChain = "1" + repeat("*1", 500000);
    EXPECT_THROW(Eval(longChain), cParseFailure);
    const std::string deepBrackets = std::string(500000, '(') + "1" + std::string(500000, ')');
    EXPECT_THROW(Eval(deepBrackets), cParseFailure);
    const std::string wide = "1" + repeat("+(1*2)", 170000);
    EXPECT_THROW(Eval(wide), cParseFailure);
}

}  // namespace
