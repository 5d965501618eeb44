// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in function table and the engine's set-up and tear-down.
#include <algorithm>

#include "checked_math.h"
#include "engine/Math_func.h"
#include "engine/Parser_core.h"
#include "parsing/name_index.h"

namespace {

struct cTrigSet {
    tBasicFn1 sin, cos, tan, arcsin, arccos, arctan;
};

constexpr cTrigSet RadianSet{CheckedSin, CheckedCos, CheckedTan, CheckedAsin, CheckedAcos, CheckedAtan};
constexpr cTrigSet DegreeSet{SinDeg, CosDeg, TanDeg, ArcSinDeg, ArcCosDeg, ArcTanDeg};
constexpr cTrigSet GradSet{SinGra, CosGra, TanGra, ArcSinGra, ArcCosGra, ArcTanGra};

// A hand-edited angle mode outside 0 to 2 falls back to degrees, the default, so that every entry of
// the table has a name and a function.
const cTrigSet& TrigSetFor(std::uint16_t angleMode) {
    switch (angleMode) {
        case 0:
            return RadianSet;
        case 2:
            return GradSet;
        default:
            return DegreeSet;
    }
}

constexpr std::int32_t BuiltInCount = 14;

}  // namespace

void RegisterBasicFunction(std::uint16_t position, const char* name, tBasicFn0 fn) {
    cBasicFunction& entry = BasicFunctions[position];
    NamesChanged();
    entry.name = name;
    entry.fn0 = fn;
    entry.fn1 = nullptr;
    entry.argCount = 0;
}

void RegisterBasicFunction(std::uint16_t position, const char* name, tBasicFn1 fn) {
    cBasicFunction& entry = BasicFunctions[position];
    NamesChanged();
    entry.name = name;
    entry.fn0 = nullptr;
    entry.fn1 = fn;
    entry.argCount = 1;
}

void InitEngine() {
    NamesChanged();
    // A fresh start: nothing from an earlier set-up may point past the new tables.
    WorkConstants.reset();
    WorkFunctions.reset();
    ConstCount = FuncCount = WorkConstCount = WorkFuncCount = 0;
    ConstWorkOpen = FuncWorkOpen = InterpretingFuncs = false;
    InterpretedFuncs = 0;
    UserFunctions = std::make_unique<cUserFunction[]>(static_cast<std::size_t>(std::max(MaxFunc, 0)));
    Constants = std::make_unique<cConstant[]>(static_cast<std::size_t>(std::max(MaxConst, 0)));
    BasicCount = BuiltInCount;
    BasicFunctions = std::make_unique<cBasicFunction[]>(BuiltInCount);

    RegisterBasicFunction(0, "ln", CheckedLog);
    RegisterBasicFunction(1, "exp", CheckedExp);
    RegisterBasicFunction(2, "sqrt", CheckedSqrt);
    SwitchAngleMode(AngleMode);
    RegisterBasicFunction(9, "sinh", CheckedSinh);
    RegisterBasicFunction(10, "cosh", CheckedCosh);
    RegisterBasicFunction(11, "tanh", CheckedTanh);
    RegisterBasicFunction(12, "pi", Pi);
    RegisterBasicFunction(13, "e", E);
}

void SwitchAngleMode(std::uint16_t mode) {
    AngleMode = mode;
    const cTrigSet& trig = TrigSetFor(mode);
    RegisterBasicFunction(3, "sin", trig.sin);
    RegisterBasicFunction(4, "cos", trig.cos);
    RegisterBasicFunction(5, "tan", trig.tan);
    RegisterBasicFunction(6, "arcsin", trig.arcsin);
    RegisterBasicFunction(7, "arccos", trig.arccos);
    RegisterBasicFunction(8, "arctan", trig.arctan);
}

void DoneEngine() {
    NamesChanged();
    WorkConstants.reset();
    WorkFunctions.reset();
    ConstWorkOpen = FuncWorkOpen = false;
    UserFunctions.reset();
    Constants.reset();
    BasicFunctions.reset();
}
