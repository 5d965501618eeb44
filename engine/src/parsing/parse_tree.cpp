// SPDX-License-Identifier: GPL-3.0-or-later
// Nodes and trees: construction, copying, variables and lifetime.
#include <algorithm>
#include <stdexcept>

#include "engine/Parser_core.h"
#include "parser.h"

namespace {

// Parses the prepared text of formula; a failure carries its positions in formula itself.
cNode ParseInFormula(std::string_view formula, const std::string& preparedText) {
    try {
        return ParseFormula(preparedText);
    } catch (cParseFailure& failure) {
        PlaceInFormula(formula, failure);
        throw;
    }
}

}  // namespace

cNode::cNode(const cNode& other)
    : kind(other.kind), index(other.index), childCount(other.childCount), number(other.number) {
    if (childCount > 0) {
        children = std::make_unique<cNode[]>(childCount);
        std::copy(other.children.get(), other.children.get() + childCount, children.get());
    }
}

cNode& cNode::operator=(const cNode& other) {
    if (this != &other) {
        cNode copy(other);
        *this = std::move(copy);
    }
    return *this;
}

cNode::~cNode() = default;

cParseTree::cParseTree() : workTotal(0), workDone(0) {
    std::fill(std::begin(vars), std::end(vars), 0.0);
}

cParseTree::cParseTree(std::string_view formula) : cParseTree() {
    Parse(formula);
}

cParseTree::~cParseTree() = default;

void cParseTree::Parse(std::string_view formula) {
    root.reset();
    text.reset();
    text = PrepareFormula(formula);
    root = std::make_unique<cNode>();
    *root = ParseInFormula(formula, *text);
}

bool cParseTree::SetVariable(char letter, double value) {
    if (letter < 'a' || letter > 'z') return false;
    vars[letter - 'a'] = value;
    return true;
}

double cParseTree::GetVariable(char letter) const {
    if (letter < 'a' || letter > 'z') return 0.0;
    return vars[letter - 'a'];
}

cParseTree* NewParseTree() {
    return new cParseTree();
}

void DeleteParseTree(cParseTree*& tree) {
    delete tree;
    tree = nullptr;
}

char ToVarLetter(std::int32_t value) {
    const auto letter = static_cast<signed char>(static_cast<std::uint32_t>(value) & 0xFFu);
    return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter) : 'a';
}

std::string PrepareFormula(std::string_view formula) {
    return ReplaceCharLiterals(CompactText(formula));
}
