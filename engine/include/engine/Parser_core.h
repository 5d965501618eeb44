// SPDX-License-Identifier: GPL-3.0-or-later
// Public interface of the calculation engine: parse trees, the parser, the evaluator, the built-in
// function table, the declaration store with its interpretation, and library files.
//
// The engine is plain C++ with no knowledge of windows, files or clocks. It talks outwards only through
// the hooks declared at the end of this header, which a front end installs before any engine call.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------------------------------
// Failures

// Syntax failure codes raised by the parser.
enum class ptFehlerCode : std::int32_t {
    BracketError = 0,
    UnknownFunction = 1,
    UnknownConstant = 2,
    BadVariable = 3,
    EmptyOperand = 4,
    ArgumentCount = 5,
};

// Everything the parser can raise: a syntax failure, a rejected number literal, or input nested too
// deeply to be handled safely. Front ends catch this one type and report "parse error".
//
// A failure says where it is: the offending characters are those from first to last, counted from 0
// in the formula as it was given to cParseTree::Parse (or to the tree's constructor), before blanks
// and character literals were taken out. A missing operand is an empty range at the place where it is
// missing (last == first - 1). Both are -1 when the place is not known.
class cParseFailure : public std::runtime_error {
public:
    explicit cParseFailure(const std::string& what, int first = -1, int last = -1, std::string subject = {});
    int first;
    int last;
    std::string subject;  // the name, number text or bracket concerned, as the parser read it
};

class cSyntaxError : public cParseFailure {
public:
    cSyntaxError(ptFehlerCode code, int first, int last, std::string subject = {});
    ptFehlerCode code;
};

// A number text that the decimal conversion rejects (also a value beyond the double range); its
// subject is the text.
class cConversionError : public cParseFailure {
public:
    explicit cConversionError(std::string_view text);
};

// A formula nested deeper than the parser and evaluator can handle without exhausting the stack.
class cNestingTooDeep : public cParseFailure {
public:
    cNestingTooDeep(int first, int last);
};

// A definition whose shape is not that of a declaration of its kind. The commits answer its index
// like any other failure; LastCommitFailure says which of these it was.
enum class ptDefinitionProblem {
    NoEquals,           // no '=' in the definition
    NoParameterList,    // a function's head is not name(...)
    BadParameter,       // a parameter place holds no name character, as in f(x;)
    TooManyParameters,  // more parameters than the 26 variable letters
};

class cDefinitionError : public cParseFailure {
public:
    explicit cDefinitionError(ptDefinitionProblem problem);
    ptDefinitionProblem problem;
};

// A floating-point failure raised at the operation that caused it, or evaluation nested too deeply.
// Front ends catch this type (and any other std::exception from an evaluation) and report "calc error".
class cCalcFailure : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow, TooDeep };
    explicit cCalcFailure(Kind kind);
    Kind kind;
};

// Raised by a front end's progress or poll hook to stop the work in hand. Every engine operation
// unwinds on it as on a failure: open progress lines are closed, a commit or a library load leaves the
// live tables unchanged and no working copy open, a save stops writing.
class cCalculationCancelled : public std::runtime_error {
public:
    cCalculationCancelled();
};

// ---------------------------------------------------------------------------------------------------
// Parse trees

enum class ptNodeKind : std::int32_t {
    UserCall = 0,
    BasicCall = 1,
    ConstRef = 2,
    Var = 3,
    Add = 4,
    Sub = 5,
    Mul = 6,
    Div = 7,
    Pow = 8,
    Neg = 9,
    Num = 10,
    Sum = 11,
    Pro = 12,
    Integral = 13,
    Derivative = 14,
    Solve = 15,
};

// One node of a parse tree. A node owns its children, which lie in one array that is never
// reallocated, so nodes keep their addresses for the lifetime of the tree (constant reference lists
// point at them).
class cNode {
public:
    cNode() = default;
    cNode(const cNode& other);
    cNode& operator=(const cNode& other);
    cNode(cNode&&) noexcept = default;
    cNode& operator=(cNode&&) noexcept = default;
    ~cNode();

    ptNodeKind kind = ptNodeKind::Num;
    std::int32_t index = 0;
    std::unique_ptr<cNode[]> children;  // null exactly when childCount is 0
    std::uint16_t childCount = 0;
    double number = 0.0;
};

constexpr int VariableCount = 26;

// One parsed formula with its own variables a to z and the bookkeeping of its running evaluation.
class cParseTree {
public:
    // An empty tree: all variables 0, no root, no text.
    cParseTree();
    // Prepares and parses the formula; raises what the parser raises.
    explicit cParseTree(std::string_view formula);
    ~cParseTree();
    cParseTree(const cParseTree&) = delete;
    cParseTree& operator=(const cParseTree&) = delete;

    // Replaces the formula and keeps the variables; raises what the parser raises.
    void Parse(std::string_view formula);
    // Value of the root; opens and closes the tree's progress line. Precondition: a parse succeeded.
    double Evaluate();

    bool SetVariable(char letter, double value);
    double GetVariable(char letter) const;

    // Adds (releases) every constant-reference node of this tree to (from) its constant's list.
    void RecordRefs();
    void ReleaseRefs();

    double vars[VariableCount];
    std::unique_ptr<cNode> root;
    std::optional<std::string> text;  // the prepared text; empty optional in a tree made without text
    std::int32_t workTotal;
    std::int32_t workDone;
    std::uint16_t progressLine = 0;
    std::uint8_t quiet = 0;

private:
    double EvalNode(const cNode& node);
    double EvalOperand(const cNode& node);
    std::int32_t CountWork(const cNode& node);
    void FinishStep();

    double EvalUserCall(const cNode& node);
    double EvalBasicCall(const cNode& node);
    double EvalSumOrPro(const cNode& node);
    double EvalIntegral(const cNode& node);
    double EvalDerivative(const cNode& node);
    double EvalSolve(const cNode& node);
    std::int32_t CountSumOrPro(const cNode& node);
    double& BoundVariable(const cNode& letterNode);
};

cParseTree* NewParseTree();
void DeleteParseTree(cParseTree*& tree);

// Maps the low byte of value (read as a signed character) to a variable letter; anything but a to z
// gives 'a'.
char ToVarLetter(std::int32_t value);

// ---------------------------------------------------------------------------------------------------
// Text preparation and the parser's building blocks

bool IsNameChar(char c);
bool IsNumberStart(char c);
bool IsDecimalSeparator(char c);
// Keeps only the characters with codes 33 to 126.
std::string CompactText(std::string_view text);
// Replaces each character literal 'c' by the decimal code of c.
std::string ReplaceCharLiterals(std::string_view text);

// The decimal separator results are shown with; front ends set it from the user's locale ('.' until
// then). Numbers are read with either '.' or ',' (IsDecimalSeparator).
extern char DecimalSeparator;

// Converts a whole number text as the formula language writes it (optionally with a leading sign when
// allowSign is set). Raises cConversionError for anything else or a value beyond the double range.
double ConvertDecimal(std::string_view text, bool allowSign);

// ---------------------------------------------------------------------------------------------------
// Built-in functions

using tBasicFn0 = double (*)();
using tBasicFn1 = double (*)(double);

class cBasicFunction {
public:
    tBasicFn0 fn0 = nullptr;  // used when argCount is 0
    tBasicFn1 fn1 = nullptr;  // used when argCount is 1
    std::optional<std::string> name;
    std::uint16_t argCount = 0;
};

extern std::unique_ptr<cBasicFunction[]> BasicFunctions;
extern std::int32_t BasicCount;

void RegisterBasicFunction(std::uint16_t position, const char* name, tBasicFn0 fn);
void RegisterBasicFunction(std::uint16_t position, const char* name, tBasicFn1 fn);

// Settings the engine reads; the front end sets them before InitEngine. They start at their defaults.
inline constexpr std::int32_t DefaultMaxConst = 100;
inline constexpr std::int32_t DefaultMaxFunc = 30;
inline constexpr std::uint16_t DefaultRefAlloc = 10;
inline constexpr std::uint16_t DefaultAngleMode = 1;
extern std::int32_t MaxConst;
extern std::int32_t MaxFunc;
extern std::uint16_t RefAlloc;
extern std::uint16_t AngleMode;  // 0 radians, 1 degrees, 2 grads

// Allocates the constant and function tables at their capacities and fills the built-in table for
// AngleMode. DoneEngine frees all three.
void InitEngine();
void DoneEngine();

// Sets AngleMode and puts the trigonometric functions of that mode into the live built-in table.
// Parse trees hold a built-in's position, not its function, so formulas and user functions follow
// at once.
void SwitchAngleMode(std::uint16_t mode);

// ---------------------------------------------------------------------------------------------------
// Declarations

class cConstant {
public:
    void AddRef(cNode* node);
    void RemoveRef(cNode* node);
    void RenumberRefs(std::int32_t newIndex);

    double value = 0.0;
    std::optional<std::string> name;  // set by interpretation; empty optional before
    std::optional<std::string> description;
    std::optional<std::string> definition;
    std::uint32_t refCount = 0;
    // The referring nodes, refCount of them. Their storage grows geometrically, so that a library whose
    // functions use a constant hundreds of thousands of times loads in linear time; refCapacity is the
    // capacity of the list as the allocation rule states it (a multiple of RefAlloc, or exactly refCount
    // in a copy made by BeginConstWork), and no storage is held when the list is empty.
    std::vector<cNode*> refs;
    std::uint32_t refCapacity = 0;
};

class cUserFunction {
public:
    std::int16_t paramCount = 0;
    std::unique_ptr<cParseTree> tree;
    std::optional<std::string> name;
    std::optional<std::string> description;
    std::optional<std::string> definition;
};

extern std::unique_ptr<cConstant[]> Constants;
extern std::int32_t ConstCount;
extern std::unique_ptr<cUserFunction[]> UserFunctions;
extern std::int32_t FuncCount;
extern std::unique_ptr<cConstant[]> WorkConstants;
extern std::int32_t WorkConstCount;
extern bool ConstWorkOpen;
extern std::unique_ptr<cUserFunction[]> WorkFunctions;
extern std::int32_t WorkFuncCount;
extern bool FuncWorkOpen;
extern bool InterpretingFuncs;
extern std::int32_t InterpretedFuncs;

void BeginConstWork();
void BeginFuncWork();
bool AddConstant(std::string_view definition, std::string_view description);
bool AddFunction(std::string_view definition, std::string_view description);
bool ModifyConstant(std::uint32_t index, std::string_view definition, std::string_view description);
bool ModifyFunction(std::uint32_t index, std::string_view definition, std::string_view description);
bool DeleteConstant(std::uint32_t index);
bool DeleteFunction(std::uint32_t index);
std::optional<std::string> GetConstDefinition(std::uint32_t index);
std::optional<std::string> GetConstDescription(std::uint32_t index);
std::optional<std::string> GetFuncDefinition(std::uint32_t index);
std::optional<std::string> GetFuncDescription(std::uint32_t index);
std::int32_t GetConstCount();
std::int32_t GetFuncCount();
std::int32_t CommitConstWork();
std::int32_t CommitFuncWork();
void DiscardConstWork();
void DiscardFuncWork();

bool InterpretConstant(cConstant& constant);
bool InterpretFunction(cUserFunction& function);

// Why the declaration that the last failed commit answered could not be interpreted: a
// cDefinitionError, or the parse failure of its body or number (positions in its definition as
// written). Null after a successful commit.
extern std::exception_ptr LastCommitFailure;
void SubstituteParameter(std::string& text, char oldChar, char newChar);

// A commit's answer when every declaration was interpreted; otherwise it answers the failing index.
inline constexpr std::int32_t CommitSucceeded = -1;

// ---------------------------------------------------------------------------------------------------
// Library files

// The loaders' answers; 0 or more is instead the position of a declaration that failed interpretation,
// counted over the declarations already live followed by the file's.
enum ptLoadResult : std::int32_t {
    LoadSucceeded = -1,
    LoadShortRead = -2,    // a read answered fewer bytes than requested
    LoadTableFull = -3,    // more declarations than the table's capacity
    LoadNotALibrary = -4,  // the first three bytes are not the kind's magic
    LoadOtherVersion = -5,
};

bool WriteString(std::string_view text);
bool ReadString(std::string& text);
bool SaveConstLibrary();
bool SaveFuncLibrary();
std::int32_t LoadConstLibrary();
std::int32_t LoadFuncLibrary();

// ---------------------------------------------------------------------------------------------------
// The two kinds of declaration as data

// Everything that is done with one kind of declaration (constants or user functions), so that code
// working on either kind chooses the kind once instead of at every call.
struct cDeclarationOperations {
    const char* magic;  // the first three bytes of the kind's library files
    void (*begin)();
    bool (*add)(std::string_view definition, std::string_view description);
    bool (*modify)(std::uint32_t index, std::string_view definition, std::string_view description);
    bool (*remove)(std::uint32_t index);
    std::optional<std::string> (*definition)(std::uint32_t index);
    std::optional<std::string> (*description)(std::uint32_t index);
    std::int32_t (*count)();
    std::int32_t (*commit)();
    void (*discard)();
    bool (*save)();
    std::int32_t (*load)();
};

extern const cDeclarationOperations ConstantDeclarations;
extern const cDeclarationOperations FunctionDeclarations;

// ---------------------------------------------------------------------------------------------------
// Hooks the front end installs

enum ProgressActivity : std::uint32_t {
    ActivityIdle = 0,
    ActivityCalculating = 1,
    ActivitySaving = 2,
    ActivityLoading = 3,
    ActivityInterpreting = 4,
};

using tProgressHook = void (*)(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                               std::uint32_t done);
using tReadHook = std::int32_t (*)(void* buffer, std::int32_t count);
using tWriteHook = std::int32_t (*)(const void* buffer, std::int32_t count);
// Receives the math library's error reports ("%s: %s error" with e.g. "sqrt" and "DOMAIN").
using tMathErrorHook = void (*)(const char* function, const char* kind);

// Called once every PollInterval steps of an evaluation that makes no progress calls (the quiet
// stretches: the bounds of sum and pro while counting, the end points of solve), so that a front end
// stays responsive and can cancel there too.
using tPollHook = void (*)();
inline constexpr std::uint32_t PollInterval = 65536;

extern tProgressHook ProgressHook;
extern tReadHook ReadHook;
extern tWriteHook WriteHook;
extern tMathErrorHook MathErrorHook;
extern tPollHook PollHook;
