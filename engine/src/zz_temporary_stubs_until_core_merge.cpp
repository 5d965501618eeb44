// TEMPORARY: stand-ins for the engine core until branch main provides it. Delete after merging main.
#include <cstdlib>

#include "Parser_core.h"

std::int32_t MaxConst = 100;
std::int32_t MaxFunc = 30;
std::uint16_t RefAlloc = 10;
std::uint16_t AngleMode = 1;
tProgressHook ProgressHook = nullptr;
tReadHook ReadHook = nullptr;
tWriteHook WriteHook = nullptr;
tMathErrorHook MathErrorHook = nullptr;
char DecimalSeparator = '.';

cSyntaxError::cSyntaxError(ptFehlerCode c) : cParseFailure("syntax"), code(c) {}
cConversionError::cConversionError(std::string_view) : cParseFailure("conversion") {}
cNode::~cNode() = default;
cParseTree::cParseTree() : vars{} {}
cParseTree::cParseTree(std::string_view) : vars{} {
    throw cSyntaxError(ptFehlerCode::EmptyOperand);
}
cParseTree::~cParseTree() = default;

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || c == '_';
}

std::string CompactText(std::string_view text) {
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 33 && static_cast<unsigned char>(c) <= 126) out += c;
    return out;
}

double ConvertDecimal(std::string_view text, bool) {
    std::string copy(text);
    char* end = nullptr;
    double v = std::strtod(copy.c_str(), &end);
    if (copy.empty() || *end != '\0') throw cConversionError(text);
    return v;
}

void InitEngine() {
    Constants = std::make_unique<cConstant[]>(MaxConst);
    UserFunctions = std::make_unique<cUserFunction[]>(MaxFunc);
    ConstCount = 0;
    FuncCount = 0;
}

void DoneEngine() {
    Constants.reset();
    UserFunctions.reset();
    ConstCount = 0;
    FuncCount = 0;
}
double cParseTree::Evaluate() {
    return 0;
}
