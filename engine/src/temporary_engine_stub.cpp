// TEMPORARY: just enough of the engine for the GUI to link before the engine lands on main.
// Delete this file when main is merged.
#include <cstdlib>

#include "Parser_core.h"

std::int32_t MaxConst = 100;
std::int32_t MaxFunc = 30;
std::uint16_t RefAlloc = 10;
std::uint16_t AngleMode = 1;
char DecimalSeparator = '.';
tProgressHook ProgressHook = nullptr;
tReadHook ReadHook = nullptr;
tWriteHook WriteHook = nullptr;
tMathErrorHook MathErrorHook = nullptr;

cNode::~cNode() = default;
cCalcFailure::cCalcFailure(Kind k) : std::runtime_error("calc"), kind(k) {}
cParseTree::cParseTree() : vars{}, workTotal(0), workDone(0) {}
cParseTree::~cParseTree() = default;
void cParseTree::Parse(std::string_view formula) {
    std::string t(formula);
    char* end = nullptr;
    std::strtod(t.c_str(), &end);
    if (t.empty() || *end != '\0') throw cParseFailure("parse");
    text = t;
}
double cParseTree::Evaluate() {
    if (ProgressHook) ProgressHook(0, 1, 1, 0);
    double v = std::strtod(text->c_str(), nullptr);
    if (ProgressHook) ProgressHook(0, 0, 0, 0);
    if (v == 13) throw cCalcFailure(cCalcFailure::Kind::Overflow);
    return v;
}
bool cParseTree::SetVariable(char letter, double value) {
    if (letter < 'a' || letter > 'z') return false;
    vars[letter - 'a'] = value;
    return true;
}
double cParseTree::GetVariable(char letter) const {
    return (letter < 'a' || letter > 'z') ? 0.0 : vars[letter - 'a'];
}
cParseTree* NewParseTree() {
    return new cParseTree();
}
void DeleteParseTree(cParseTree*& tree) {
    delete tree;
    tree = nullptr;
}
void InitEngine() {}
void DoneEngine() {}
