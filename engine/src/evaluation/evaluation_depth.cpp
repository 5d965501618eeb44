#include "evaluation_depth.h"

#include "Parser_core.h"

namespace {

// Stack the nested evaluations may use beyond the outermost one. The process stack is 8 MiB on the
// platforms we build for; what a single tree needs comes on top of this.
constexpr std::uintptr_t StackBudget = 3u * 1024u * 1024u;

int ActiveEvaluations = 0;
std::uintptr_t StackFloor = 0;

std::uintptr_t CurrentStackPosition() {
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}

}  // namespace

cEvaluationDepth::cEvaluationDepth() {
    if (ActiveEvaluations++ == 0) {
        const std::uintptr_t here = CurrentStackPosition();
        StackFloor = here > StackBudget ? here - StackBudget : 0;
    }
}

cEvaluationDepth::~cEvaluationDepth() {
    --ActiveEvaluations;
}

void cEvaluationDepth::CheckRoomForCall() {
    if (CurrentStackPosition() < StackFloor) throw cCalcFailure(cCalcFailure::Kind::TooDeep);
}
