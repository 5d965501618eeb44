// SPDX-License-Identifier: GPL-3.0-or-later
// The engine-wide tables and settings. The declaration store and InitEngine fill them; the parser
// and the evaluator read them.
#include "engine/Parser_core.h"

std::int32_t MaxConst = DefaultMaxConst;
std::int32_t MaxFunc = DefaultMaxFunc;
std::uint16_t RefAlloc = DefaultRefAlloc;
std::uint16_t AngleMode = DefaultAngleMode;

std::unique_ptr<cBasicFunction[]> BasicFunctions;
std::int32_t BasicCount = 0;

std::unique_ptr<cConstant[]> Constants;
std::int32_t ConstCount = 0;
std::unique_ptr<cUserFunction[]> UserFunctions;
std::int32_t FuncCount = 0;
std::unique_ptr<cConstant[]> WorkConstants;
std::int32_t WorkConstCount = 0;
bool ConstWorkOpen = false;
std::unique_ptr<cUserFunction[]> WorkFunctions;
std::int32_t WorkFuncCount = 0;
bool FuncWorkOpen = false;
bool InterpretingFuncs = false;
std::int32_t InterpretedFuncs = 0;
