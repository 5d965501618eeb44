// SPDX-License-Identifier: GPL-3.0-or-later
// Nodes and trees: construction, copying, variables and lifetime.
#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

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

// A sum of thousands of terms is a chain thousands of nodes deep, and freeing it node by node would
// recurse as deep as that: deeper than a small stack allows, although parsing and evaluating the same
// chain are guarded. So the children's arrays are taken over here and freed one after another; every
// node is emptied of its own children before its array goes, so no destructor below this one recurses.
cNode::~cNode() {
    if (!children) return;
    struct cChildArray {
        std::unique_ptr<cNode[]> nodes;
        std::uint16_t count;
    };
    std::vector<cChildArray> pending;
    pending.push_back({std::move(children), childCount});
    while (!pending.empty()) {
        cChildArray array = std::move(pending.back());
        pending.pop_back();
        for (std::uint16_t i = 0; i < array.count; ++i) {
            cNode& child = array.nodes[i];
            if (!child.children) continue;
            try {
                pending.push_back({std::move(child.children), child.childCount});
            } catch (const std::bad_alloc&) {
                // Out of memory for the list: this subtree is freed the ordinary way.
            }
        }
    }
}

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
