// Feeds arbitrary bytes to the parser and the evaluator as a formula. A few constants and user
// functions are declared so that names resolve; a progress hook bounds the work of each input, since
// sum('i';1;1E9;i) is a valid formula that would otherwise run for minutes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Parser_core.h"

namespace {

struct cWorkExhausted {};

std::uint64_t StepsLeft = 0;

void BoundedProgress(std::uint16_t, std::uint32_t activity, std::uint32_t, std::uint32_t) {
    if (activity != ActivityIdle && StepsLeft-- == 0) throw cWorkExhausted{};
}

void DeclareOnce() {
    static bool declared = false;
    if (declared) return;
    declared = true;
    InitEngine();
    Constants[0].name = "gg";
    Constants[0].value = 9.81;
    ConstCount = 1;
    const char* bodies[] = {"a*b", "fa(a;a)+gg"};
    const char* names[] = {"fa", "fb"};
    const std::int16_t params[] = {2, 1};
    for (int i = 0; i < 2; ++i) {
        UserFunctions[i].name = names[i];
        UserFunctions[i].paramCount = params[i];
        FuncCount = i;
        UserFunctions[i].tree = std::make_unique<cParseTree>(bodies[i]);
        FuncCount = i + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DeclareOnce();
    ProgressHook = BoundedProgress;
    const std::string_view formula(reinterpret_cast<const char*>(data), size);
    cParseTree tree;
    try {
        tree.Parse(formula);
    } catch (const cParseFailure&) {
        return 0;
    }
    StepsLeft = 200000;
    try {
        tree.Evaluate();
    } catch (const cCalcFailure&) {
    } catch (const cWorkExhausted&) {
    }
    return 0;
}
