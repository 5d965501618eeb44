// The reference lists that tie constants to the user-function nodes using them. A list lets the store
// refuse to change a constant in use, and lets a constant commit point every referring node at its
// constant's new position.
//
// Every operation is linear in the nodes it touches: lists grow geometrically, and a tree's nodes are
// removed from a list in one pass however many of them there are.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Parser_core.h"

namespace {

std::uint32_t AllocationStep();
std::uint32_t RoundUpToStep(std::uint32_t count);
void RemoveNodes(cConstant& constant, const std::unordered_set<cNode*>& nodes);
void ShrinkCapacity(cConstant& constant, std::uint32_t oldCount);
template <class Visit>
void ForEachConstRef(cNode* root, Visit visit);
cConstant* ReferencedConstant(const cNode& node);

}  // namespace

// The capacity grows in steps of RefAlloc. Growing whenever the list is full (rather than only at
// multiples of the step) gives the same capacities, also for an exact-size copy made by BeginConstWork.
void cConstant::AddRef(cNode* node) {
    if (refCount == refCapacity) refCapacity = RoundUpToStep(refCount + 1);
    refs.push_back(node);
    ++refCount;
}

void cConstant::RemoveRef(cNode* node) {
    const auto found = std::find(refs.begin(), refs.end(), node);
    if (found == refs.end()) return;
    refs.erase(found);
    ShrinkCapacity(*this, refCount);
}

void cConstant::RenumberRefs(std::int32_t newIndex) {
    for (cNode* node : refs)
        node->index = newIndex;
}

void cParseTree::RecordRefs() {
    ForEachConstRef(root.get(), [](cNode& node) {
        if (cConstant* constant = ReferencedConstant(node)) constant->AddRef(&node);
    });
}

// As RemoveRef for every constant-reference node of the tree, one pass over each list concerned.
void cParseTree::ReleaseRefs() {
    std::unordered_map<cConstant*, std::unordered_set<cNode*>> byConstant;
    ForEachConstRef(root.get(), [&](cNode& node) {
        if (cConstant* constant = ReferencedConstant(node)) byConstant[constant].insert(&node);
    });
    for (auto& [constant, nodes] : byConstant)
        RemoveNodes(*constant, nodes);
}

namespace {

// A step of 0 would divide by zero; the preferences dialog accepts 0, so it works as a step of 1.
std::uint32_t AllocationStep() {
    return std::max<std::uint32_t>(RefAlloc, 1);
}

std::uint32_t RoundUpToStep(std::uint32_t count) {
    const std::uint32_t step = AllocationStep();
    return (count + step - 1) / step * step;
}

void RemoveNodes(cConstant& constant, const std::unordered_set<cNode*>& nodes) {
    const std::uint32_t oldCount = constant.refCount;
    std::erase_if(constant.refs, [&](cNode* node) { return nodes.contains(node); });
    ShrinkCapacity(constant, oldCount);
}

// The capacity after removing elements one at a time from oldCount down to the present count: it
// shrinks to the count whenever the count passes a multiple of the step, and the storage goes when
// the list is empty.
void ShrinkCapacity(cConstant& constant, std::uint32_t oldCount) {
    constant.refCount = static_cast<std::uint32_t>(constant.refs.size());
    if (constant.refCount == 0) {
        constant.refs = std::vector<cNode*>();
        constant.refCapacity = 0;
        return;
    }
    if (constant.refCount == oldCount) return;
    const std::uint32_t lowestMultiple = RoundUpToStep(constant.refCount);
    if (lowestMultiple < oldCount) constant.refCapacity = lowestMultiple;
}

// Pre-order, children in order, so that a list holds a body's references in text order. An explicit
// stack keeps deeply nested bodies from exhausting the call stack.
template <class Visit>
void ForEachConstRef(cNode* root, Visit visit) {
    if (root == nullptr) return;
    std::vector<cNode*> pending{root};
    while (!pending.empty()) {
        cNode* node = pending.back();
        pending.pop_back();
        if (node->kind == ptNodeKind::ConstRef) visit(*node);
        for (std::uint16_t i = node->childCount; i > 0; --i)
            pending.push_back(&node->children[i - 1]);
    }
}

cConstant* ReferencedConstant(const cNode& node) {
    if (node.index < 0 || node.index >= ConstCount) return nullptr;
    return &Constants[node.index];
}

}  // namespace
