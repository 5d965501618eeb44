// SPDX-License-Identifier: GPL-3.0-or-later
// Interpretation as the commits run it: a definition of the wrong shape raises cDefinitionError instead
// of answering false, so that a failed commit can say why.
#pragma once

#include "engine/Parser_core.h"

void InterpretConstantOrRaise(cConstant& constant);
void InterpretFunctionOrRaise(cUserFunction& function);
