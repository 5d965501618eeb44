// The declaration store's operations for one kind, constants or user functions, so that the editor
// says once which kind it works on instead of at every call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class cDeclarationStore {
public:
    explicit cDeclarationStore(bool constants) : constants_(constants) {}

    void Begin() const;
    bool Add(std::string_view definition, std::string_view description) const;
    bool Modify(std::uint32_t index, std::string_view definition, std::string_view description) const;
    bool Delete(std::uint32_t index) const;
    std::optional<std::string> Definition(std::uint32_t index) const;
    std::optional<std::string> Description(std::uint32_t index) const;
    std::int32_t Count() const;
    std::int32_t Commit() const;
    void Discard() const;

private:
    bool constants_;
};
