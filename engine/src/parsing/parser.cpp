// SPDX-License-Identifier: GPL-3.0-or-later
// The parser: splits ranges of the prepared text at the weakest operator, searching from the right and
// stepping over bracketed groups; an operator-free range is an operand whose names are resolved
// against the engine's tables at once.
//
// Two liberties keep long input safe without changing any result or any failure raised: bracket
// partners are matched once for the whole text (a range-bounded walk finds the same partner), and a
// chain of operators of one level is split in one pass and built left-deep without recursion.
#include <string>
#include <vector>

#include "engine/Parser_core.h"
#include "name_index.h"
#include "parser.h"
#include "stack_guard.h"

namespace {

constexpr int None = -1;

struct cKeyword {
    std::string_view name;
    ptNodeKind kind;
    std::size_t argumentCount;
};

constexpr cKeyword Keywords[] = {
    {"sum", ptNodeKind::Sum, 4},           {"pro", ptNodeKind::Pro, 4},
    {"integral", ptNodeKind::Integral, 4}, {"derivative", ptNodeKind::Derivative, 3},
    {"solve", ptNodeKind::Solve, 4},
};

// One index a table; the working copy of the functions has its own, as a commit looks names up there.
cNameIndex BasicNames;
cNameIndex ConstantNames;
cNameIndex FunctionNames;
cNameIndex WorkFunctionNames;

// A failure at the characters first to last of the prepared text.
[[noreturn]] void Fail(ptFehlerCode code, int first, int last, std::string_view subject = {}) {
    throw cSyntaxError(code, first, last, std::string(subject));
}

class cParser {
public:
    explicit cParser(const std::string& text);

    cNode ParseRange(int first, int last);

private:
    struct cParsed {
        cNode node;
        int height = 1;
    };
    struct cDepthGuard {
        cDepthGuard(int& depth, int first, int last);
        ~cDepthGuard() { --depth; }
        int& depth;
    };

    cParsed ParseLevel(int first, int last);
    cParsed ParseChain(int first, int last, const std::vector<int>& operators);
    cParsed ParseOperand(int first, int last);
    void ParseArguments(int nameFirst, int first, int last, cNode& call, std::size_t expected, int& height);

    std::vector<int> FindOperators(int first, int last, char op1, char op2) const;
    int FindLastOperator(int first, int last, char op1, char op2) const;
    int FindTopLevel(int first, int last, char c) const;
    int MatchOpenBracket(int first, int close) const;
    int MatchCloseBracket(int open, int last) const;

    static ptNodeKind BinaryKind(char op);
    static void CheckHeight(int height, int first, int last);
    // A name or operand that begins with an unmatched '(' is reported as that bracket.
    [[noreturn]] void FailOnName(ptFehlerCode code, int first, int last) const;

    const std::string& text_;
    std::vector<int> partner_;  // for each bracket its partner, None when it has none
    int depth_ = 0;
};

cParser::cDepthGuard::cDepthGuard(int& depth, int first, int last) : depth(depth) {
    if (++depth > MaxNestingDepth || StackNearlyExhausted()) {
        --depth;
        throw cNestingTooDeep(first, last);
    }
}

cParser::cParser(const std::string& text) : text_(text), partner_(text.size(), None) {
    std::vector<int> open;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            partner_[i] = open.back();
            partner_[open.back()] = i;
            open.pop_back();
        }
    }
}

// formula -> range, over the whole prepared text
cNode cParser::ParseRange(int first, int last) {
    return std::move(ParseLevel(first, last).node);
}

// range -> (empty: EmptyOperand) | '+' '-' chain | '*' '/' chain | '^' chain | '(' range ')' | operand
cParser::cParsed cParser::ParseLevel(int first, int last) {
    cDepthGuard guard(depth_, first, last);
    if (last < first) Fail(ptFehlerCode::EmptyOperand, first, first - 1);
    for (const auto& [op1, op2] : {std::pair{'+', '-'}, std::pair{'*', '/'}, std::pair{'^', '^'}}) {
        const std::vector<int> operators = FindOperators(first, last, op1, op2);
        if (!operators.empty()) return ParseChain(first, last, operators);
    }
    if (text_[first] == '(' && text_[last] == ')') return ParseLevel(first + 1, last - 1);
    return ParseOperand(first, last);
}

// chain -> [sign] range { op range }, op the operators of one level, grouping to the left
//
// Builds ((t0 op1 t1) op2 t2) ... from the operators of one level, parsing the operands in text order
// as the right-to-left recursive split would. A '+' or '-' at the range's first character is a sign
// applying to everything up to the next operator of the level; any other operator there lacks its
// left operand.
cParser::cParsed cParser::ParseChain(int first, int last, const std::vector<int>& operators) {
    std::size_t next = 0;
    cParsed result;
    if (operators[0] == first && (text_[first] == '+' || text_[first] == '-')) {
        const int operandLast = operators.size() > 1 ? operators[1] - 1 : last;
        cParsed operand = ParseLevel(first + 1, operandLast);
        if (text_[first] == '-') {
            result.node.kind = ptNodeKind::Neg;
            result.node.children = std::make_unique<cNode[]>(1);
            result.node.childCount = 1;
            result.node.children[0] = std::move(operand.node);
            result.height = operand.height + 1;
            CheckHeight(result.height, first, operandLast);
        } else {
            result = std::move(operand);
        }
        next = 1;
    } else {
        result = ParseLevel(first, operators[0] - 1);
    }
    for (; next < operators.size(); ++next) {
        const int op = operators[next];
        const int operandLast = next + 1 < operators.size() ? operators[next + 1] - 1 : last;
        cParsed right = ParseLevel(op + 1, operandLast);
        cNode combined;
        combined.kind = BinaryKind(text_[op]);
        combined.children = std::make_unique<cNode[]>(2);
        combined.childCount = 2;
        combined.children[0] = std::move(result.node);
        combined.children[1] = std::move(right.node);
        result.node = std::move(combined);
        result.height = std::max(result.height, right.height) + 1;
        CheckHeight(result.height, first, operandLast);
    }
    return result;
}

// operand -> number | letter | constant name | name(arguments)
cParser::cParsed cParser::ParseOperand(int first, int last) {
    cParsed result;
    cNode& node = result.node;
    if (IsNumberStart(text_[first])) {
        node.kind = ptNodeKind::Num;
        try {
            node.number = ConvertDecimal(std::string_view(text_).substr(first, last - first + 1), false);
        } catch (cConversionError& failure) {
            failure.first = first;
            failure.last = last;
            throw;
        }
        return result;
    }
    int nameEnd = first + 1;
    while (nameEnd <= last && IsNameChar(text_[nameEnd]))
        ++nameEnd;
    const std::string_view name = std::string_view(text_).substr(first, nameEnd - first);

    if (nameEnd > last) {
        if (name.size() == 1) {
            if (name[0] < 'a' || name[0] > 'z') FailOnName(ptFehlerCode::BadVariable, first, nameEnd - 1);
            node.kind = ptNodeKind::Var;
            node.index = name[0] - 'a';
            return result;
        }
        if (const std::int32_t i = ConstantNames.Find(Constants.get(), ConstCount, name); i >= 0) {
            node.kind = ptNodeKind::ConstRef;
            node.index = i;
            return result;
        }
        FailOnName(ptFehlerCode::UnknownConstant, first, nameEnd - 1);
    }

    for (const cKeyword& keyword : Keywords) {
        if (keyword.name == name) {
            node.kind = keyword.kind;
            ParseArguments(first, nameEnd, last, node, keyword.argumentCount, result.height);
            return result;
        }
    }
    if (const std::int32_t i = BasicNames.Find(BasicFunctions.get(), BasicCount, name); i >= 0) {
        node.kind = ptNodeKind::BasicCall;
        node.index = i;
        ParseArguments(first, nameEnd, last, node, BasicFunctions[i].argCount, result.height);
        return result;
    }
    const cUserFunction* functions = InterpretingFuncs ? WorkFunctions.get() : UserFunctions.get();
    cNameIndex& functionNames = InterpretingFuncs ? WorkFunctionNames : FunctionNames;
    const std::int32_t functionCount = InterpretingFuncs ? InterpretedFuncs : FuncCount;
    if (const std::int32_t i = functionNames.Find(functions, functionCount, name); i >= 0) {
        node.kind = ptNodeKind::UserCall;
        node.index = i;
        ParseArguments(first, nameEnd, last, node, static_cast<std::uint16_t>(functions[i].paramCount),
                       result.height);
        return result;
    }
    FailOnName(ptFehlerCode::UnknownFunction, first, nameEnd - 1);
}

// arguments -> '(' ')' | '(' range { ';' range } ')'; every argument is parsed before the count is
// checked, so an empty argument is reported as such.
void cParser::ParseArguments(int nameFirst, int first, int last, cNode& call, std::size_t expected,
                             int& height) {
    const std::string_view name = std::string_view(text_).substr(nameFirst, first - nameFirst);
    if (text_[first] != '(') Fail(ptFehlerCode::BracketError, first, last, name);
    if (text_[last] != ')') Fail(ptFehlerCode::BracketError, last, last, name);
    std::vector<cNode> arguments;
    int childHeight = 0;
    if (last > first + 1) {
        int argumentFirst = first + 1;
        while (true) {
            const int separator = FindTopLevel(argumentFirst, last - 1, ';');
            const int argumentLast = separator == None ? last - 1 : separator - 1;
            cParsed argument = ParseLevel(argumentFirst, argumentLast);
            childHeight = std::max(childHeight, argument.height);
            arguments.push_back(std::move(argument.node));
            if (separator == None) break;
            argumentFirst = separator + 1;
        }
    }
    if (arguments.size() != expected) Fail(ptFehlerCode::ArgumentCount, nameFirst, last, name);
    if (!arguments.empty()) {
        call.children = std::make_unique<cNode[]>(arguments.size());
        std::move(arguments.begin(), arguments.end(), call.children.get());
        call.childCount = static_cast<std::uint16_t>(arguments.size());
    }
    height = childHeight + 1;
    CheckHeight(height, first, last);
}

// All operators of the level outside brackets, in text order. Walking from the right like
// FindLastOperator keeps the failures for unmatched ')' exactly those of a one-by-one search.
std::vector<int> cParser::FindOperators(int first, int last, char op1, char op2) const {
    std::vector<int> found;
    for (int pos = FindLastOperator(first, last, op1, op2); pos != None;
         pos = pos > first ? FindLastOperator(first, pos - 1, op1, op2) : None) {
        found.push_back(pos);
    }
    return {found.rbegin(), found.rend()};
}

int cParser::FindLastOperator(int first, int last, char op1, char op2) const {
    for (int pos = last; pos >= first; --pos) {
        const char c = text_[pos];
        if (c == ')') {
            pos = MatchOpenBracket(first, pos);
        } else if (c == op1 || c == op2) {
            // An operator right after a capital E belongs to a number's exponent.
            if (pos != first && text_[pos - 1] == 'E') continue;
            return pos;
        }
    }
    return None;
}

int cParser::FindTopLevel(int first, int last, char c) const {
    for (int pos = first; pos <= last; ++pos) {
        if (text_[pos] == '(') {
            pos = MatchCloseBracket(pos, last);
        } else if (text_[pos] == c) {
            return pos;
        }
    }
    return None;
}

int cParser::MatchOpenBracket(int first, int close) const {
    const int open = partner_[close];
    if (open == None || open < first) Fail(ptFehlerCode::BracketError, close, close, ")");
    return open;
}

int cParser::MatchCloseBracket(int open, int last) const {
    const int close = partner_[open];
    if (close == None || close > last) Fail(ptFehlerCode::BracketError, open, open, "(");
    return close;
}

ptNodeKind cParser::BinaryKind(char op) {
    switch (op) {
        case '+':
            return ptNodeKind::Add;
        case '-':
            return ptNodeKind::Sub;
        case '*':
            return ptNodeKind::Mul;
        case '/':
            return ptNodeKind::Div;
        default:
            return ptNodeKind::Pow;
    }
}

void cParser::CheckHeight(int height, int first, int last) {
    if (height > MaxNestingDepth) throw cNestingTooDeep(first, last);
}

void cParser::FailOnName(ptFehlerCode code, int first, int last) const {
    if (text_[first] == '(') Fail(code, first, first, "(");
    Fail(code, first, last, std::string_view(text_).substr(first, last - first + 1));
}

}  // namespace

cNode ParseFormula(const std::string& preparedText) {
    UseStackOfThisThread();
    cParser parser(preparedText);
    return parser.ParseRange(0, static_cast<int>(preparedText.size()) - 1);
}
