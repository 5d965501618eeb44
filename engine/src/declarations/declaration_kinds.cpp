// SPDX-License-Identifier: GPL-3.0-or-later
// The operations of each kind of declaration, gathered so that callers choose the kind once.
#include "engine/Parser_core.h"

const cDeclarationOperations ConstantDeclarations{.magic = "OVC",
                                                  .begin = BeginConstWork,
                                                  .add = AddConstant,
                                                  .modify = ModifyConstant,
                                                  .remove = DeleteConstant,
                                                  .definition = GetConstDefinition,
                                                  .description = GetConstDescription,
                                                  .count = GetConstCount,
                                                  .commit = CommitConstWork,
                                                  .discard = DiscardConstWork,
                                                  .save = SaveConstLibrary,
                                                  .load = LoadConstLibrary};

const cDeclarationOperations FunctionDeclarations{.magic = "OVF",
                                                  .begin = BeginFuncWork,
                                                  .add = AddFunction,
                                                  .modify = ModifyFunction,
                                                  .remove = DeleteFunction,
                                                  .definition = GetFuncDefinition,
                                                  .description = GetFuncDescription,
                                                  .count = GetFuncCount,
                                                  .commit = CommitFuncWork,
                                                  .discard = DiscardFuncWork,
                                                  .save = SaveFuncLibrary,
                                                  .load = LoadFuncLibrary};
