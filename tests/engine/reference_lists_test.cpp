// SPDX-License-Identifier: GPL-3.0-or-later
// The constants' reference lists: growth and shrinking in steps of RefAlloc, and the tree walks.
#include "declaration_fixture.h"

namespace {

using ReferenceListTest = DeclarationTest;

struct GrowthCase {
    const char* what;
    std::uint16_t refAlloc;
    int adds;
    std::uint32_t capacity;
};

const GrowthCase GrowthCases[] = {
    {"first add allocates one step", 10, 1, 10},
    {"a full step stays", 10, 10, 10},
    {"one past a step grows by a step", 10, 11, 20},
    {"step two", 2, 3, 4},
    {"step one grows by one", 1, 3, 3},
    {"step zero works as one", 0, 3, 3},
};

TEST_F(ReferenceListTest, AddingGrowsInSteps) {
    for (const GrowthCase& c : GrowthCases) {
        RefAlloc = c.refAlloc;
        cConstant constant;
        std::vector<cNode> nodes(c.adds);
        for (cNode& node : nodes)
            constant.AddRef(&node);
        EXPECT_EQ(constant.refCapacity, c.capacity) << c.what;
        ASSERT_EQ(constant.refCount, static_cast<std::uint32_t>(c.adds)) << c.what;
        for (int i = 0; i < c.adds; ++i)
            EXPECT_EQ(constant.refs[i], &nodes[i]) << c.what;
    }
}

TEST_F(ReferenceListTest, RemovingShrinksToExactlyTheCountAtEveryStepAndFreesTheLastArray) {
    RefAlloc = 2;
    cConstant constant;
    std::vector<cNode> nodes(5);
    for (cNode& node : nodes)
        constant.AddRef(&node);
    ASSERT_EQ(constant.refCapacity, 6u);
    const std::uint32_t capacities[] = {4, 4, 2, 2, 0};
    for (int i = 0; i < 5; ++i) {
        constant.RemoveRef(&nodes[i]);
        EXPECT_EQ(constant.refCapacity, capacities[i]) << "after removing " << i + 1;
    }
    EXPECT_TRUE(constant.refs.empty());
    EXPECT_EQ(constant.refCount, 0u);
}

TEST_F(ReferenceListTest, RemovingTakesTheFirstEqualElementAndKeepsTheOrder) {
    cConstant constant;
    cNode a, b;
    for (cNode* node : {&a, &b, &a})
        constant.AddRef(node);
    constant.RemoveRef(&a);
    ASSERT_EQ(constant.refCount, 2u);
    EXPECT_EQ(constant.refs[0], &b);
    EXPECT_EQ(constant.refs[1], &a);
}

TEST_F(ReferenceListTest, RemovingAnAbsentNodeChangesNothing) {
    cConstant constant;
    cNode listed, absent;
    constant.RemoveRef(&absent);
    constant.AddRef(&listed);
    constant.RemoveRef(&absent);
    EXPECT_EQ(constant.refCount, 1u);
    EXPECT_EQ(constant.refCapacity, 10u);
}

// The sizes an exact copy reaches when the functions are committed while it is live.
TEST_F(ReferenceListTest, AnExactSizeCopyIsNeverWrittenPastItsEnd) {
    RefAlloc = 2;
    std::vector<cNode> nodes(4);
    Constants[0].definition = "c=1";
    for (int i = 0; i < 3; ++i)
        Constants[0].AddRef(&nodes[i]);
    ConstCount = 1;
    BeginConstWork();
    cConstant& copy = WorkConstants[0];
    ASSERT_EQ(copy.refCapacity, 3u);
    copy.AddRef(&nodes[3]);
    EXPECT_EQ(copy.refCapacity, 4u);
    EXPECT_EQ(copy.refs[3], &nodes[3]);
}

TEST_F(ReferenceListTest, ATreeRecordsItsConstantNodesInPreOrderAndReleasesThem) {
    DeclareConstants({"kk=1", "cc=2"});
    cParseTree tree("kk*(cc-kk)");
    tree.RecordRefs();
    ASSERT_EQ(Constants[0].refCount, 2u);
    EXPECT_EQ(Constants[0].refs[0], &tree.root->children[0]);
    EXPECT_EQ(Constants[0].refs[1], &tree.root->children[1].children[1]);
    ASSERT_EQ(Constants[1].refCount, 1u);
    EXPECT_EQ(Constants[1].refs[0], &tree.root->children[1].children[0]);
    tree.ReleaseRefs();
    EXPECT_TRUE(Constants[0].refs.empty());
    EXPECT_TRUE(Constants[1].refs.empty());
}

}  // namespace
