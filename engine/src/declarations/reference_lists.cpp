// SPDX-License-Identifier: GPL-3.0-or-later
// The reference lists that tie constants to the user-function nodes using them. A list lets the store
// refuse to change a constant in use, and lets a constant commit point every referring node at its
// constant's new position.
//
// Lists grow geometrically, so that adding is linear in the references however many there are.
#include <algorithm>
#include <vector>

#include "engine/Parser_core.h"

namespace {

std::uint32_t AllocationStep();
std::uint32_t RoundUpToStep(std::uint32_t count);
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
    refCount = static_cast<std::uint32_t>(refs.size());
    // The capacity shrinks to the count whenever the count reaches a multiple of the step, and the
    // storage goes when the list is empty.
    if (refCount == 0) {
        refs = std::vector<cNode*>();
        refCapacity = 0;
    } else if (refCount % AllocationStep() == 0) {
        refCapacity = refCount;
    }
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

void cParseTree::ReleaseRefs() {
    ForEachConstRef(root.get(), [](cNode& node) {
        if (cConstant* constant = ReferencedConstant(node)) constant->RemoveRef(&node);
    });
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
