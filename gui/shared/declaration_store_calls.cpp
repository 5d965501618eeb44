#include "declaration_store_calls.h"

#include "Parser_core.h"

void cDeclarationStore::Begin() const {
    constants_ ? BeginConstWork() : BeginFuncWork();
}

bool cDeclarationStore::Add(std::string_view definition, std::string_view description) const {
    return constants_ ? AddConstant(definition, description) : AddFunction(definition, description);
}

bool cDeclarationStore::Modify(std::uint32_t index, std::string_view definition,
                               std::string_view description) const {
    return constants_ ? ModifyConstant(index, definition, description)
                      : ModifyFunction(index, definition, description);
}

bool cDeclarationStore::Delete(std::uint32_t index) const {
    return constants_ ? DeleteConstant(index) : DeleteFunction(index);
}

std::optional<std::string> cDeclarationStore::Definition(std::uint32_t index) const {
    return constants_ ? GetConstDefinition(index) : GetFuncDefinition(index);
}

std::optional<std::string> cDeclarationStore::Description(std::uint32_t index) const {
    return constants_ ? GetConstDescription(index) : GetFuncDescription(index);
}

std::int32_t cDeclarationStore::Count() const {
    return constants_ ? GetConstCount() : GetFuncCount();
}

std::int32_t cDeclarationStore::Commit() const {
    return constants_ ? CommitConstWork() : CommitFuncWork();
}

void cDeclarationStore::Discard() const {
    constants_ ? DiscardConstWork() : DiscardFuncWork();
}
