// Guards the stack against user-function calls nested without end (a long chain of functions each
// calling the one before). A single tree is already bounded by the parser's nesting limit; only calls
// into other trees can add depth, so the room left is checked there.
#pragma once

#include <cstdint>

class cEvaluationDepth {
public:
    cEvaluationDepth();
    ~cEvaluationDepth();
    cEvaluationDepth(const cEvaluationDepth&) = delete;
    cEvaluationDepth& operator=(const cEvaluationDepth&) = delete;

    // Raises cCalcFailure (TooDeep) when the evaluation has used up its share of the stack.
    static void CheckRoomForCall();
};
