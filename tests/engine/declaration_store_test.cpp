// SPDX-License-Identifier: GPL-3.0-or-later
// The working copies: opening, edits and their refusals, reads, discarding.
#include <functional>

#include "declaration_fixture.h"

namespace {

using StoreTest = DeclarationTest;

class FullConstTableTest : public DeclarationTest {
protected:
    FullConstTableTest() : DeclarationTest(2, 2) {}
};

class NoRoomTest : public DeclarationTest {
protected:
    NoRoomTest() : DeclarationTest(0, 0) {}
};

struct Edit {
    const char* name;
    std::function<bool()> apply;
};

const Edit EveryEdit[] = {
    {"AddConstant", [] { return AddConstant("k=1", "d"); }},
    {"ModifyConstant", [] { return ModifyConstant(0, "k=2", "d"); }},
    {"DeleteConstant", [] { return DeleteConstant(0); }},
    {"AddFunction", [] { return AddFunction("f(x)=x", "d"); }},
    {"ModifyFunction", [] { return ModifyFunction(0, "f(x)=2*x", "d"); }},
    {"DeleteFunction", [] { return DeleteFunction(0); }},
};

// A live constant with a definition and as many referring nodes as asked for, set up by hand so that
// the store is tested without interpretation.
void PutLiveConstant(const std::string& definition, std::vector<cNode>& referring) {
    Constants[ConstCount].definition = definition;
    Constants[ConstCount].description = "live";
    for (cNode& node : referring)
        Constants[ConstCount].AddRef(&node);
    ++ConstCount;
}

TEST_F(StoreTest, EveryEditIsRefusedWhileNoWorkingCopyIsOpen) {
    std::vector<cNode> none;
    PutLiveConstant("k=1", none);
    for (const Edit& edit : EveryEdit) {
        EXPECT_FALSE(edit.apply()) << edit.name;
    }
    EXPECT_EQ(GetConstCount(), 1);
    EXPECT_EQ(GetConstDefinition(0), "k=1");
}

TEST_F(StoreTest, EditsOutsideTheWorkingCountAreRefused) {
    BeginConstWork();
    BeginFuncWork();
    ASSERT_TRUE(AddConstant("k=1", ""));
    ASSERT_TRUE(AddFunction("f(x)=x", ""));
    EXPECT_FALSE(ModifyConstant(1, "k=2", ""));
    EXPECT_FALSE(DeleteConstant(1));
    EXPECT_FALSE(ModifyFunction(1, "f(x)=2", ""));
    EXPECT_FALSE(DeleteFunction(0xFFFFFFFF));
    EXPECT_EQ(GetConstCount(), 1);
    EXPECT_EQ(GetFuncCount(), 1);
}

TEST_F(FullConstTableTest, AddIsRefusedWhenTheTableIsFull) {
    BeginConstWork();
    EXPECT_TRUE(AddConstant("a1=1", ""));
    EXPECT_TRUE(AddConstant("a2=2", ""));
    EXPECT_FALSE(AddConstant("a3=3", ""));
    EXPECT_EQ(GetConstCount(), 2);
    EXPECT_EQ(GetConstDefinition(2), std::nullopt);
}

TEST_F(NoRoomTest, EveryAddFailsWithCapacityZero) {
    BeginConstWork();
    BeginFuncWork();
    EXPECT_FALSE(AddConstant("k=1", ""));
    EXPECT_FALSE(AddFunction("f()=1", ""));
}

TEST_F(StoreTest, DeletingEntryZeroOfThreeMovesTheRestDownAndEmptiesTheLastSlot) {
    BeginFuncWork();
    for (const char* definition : {"f()=0", "g()=1", "h()=2"})
        ASSERT_TRUE(AddFunction(definition, definition));
    ASSERT_TRUE(DeleteFunction(0));
    EXPECT_EQ(GetFuncCount(), 2);
    EXPECT_EQ(GetFuncDefinition(0), "g()=1");
    EXPECT_EQ(GetFuncDescription(1), "h()=2");
    const cUserFunction& freed = WorkFunctions[2];
    EXPECT_FALSE(freed.definition || freed.description || freed.name || freed.tree);
}

TEST_F(StoreTest, AReferencedConstantCanBeNeitherModifiedNorDeleted) {
    std::vector<cNode> one(1);
    PutLiveConstant("c=2", one);
    BeginConstWork();
    EXPECT_FALSE(ModifyConstant(0, "c=2", "only the description changes"));
    EXPECT_FALSE(DeleteConstant(0));
    EXPECT_EQ(GetConstDescription(0), "live");
}

TEST_F(StoreTest, OpeningCopiesTextsAndExactSizeReferenceLists) {
    std::vector<cNode> three(3);
    PutLiveConstant("c=2", three);
    ASSERT_EQ(Constants[0].refCapacity, 10u);
    BeginConstWork();
    const cConstant& copy = WorkConstants[0];
    EXPECT_EQ(copy.definition, "c=2");
    EXPECT_EQ(copy.description, "live");
    EXPECT_EQ(copy.name, std::nullopt);
    EXPECT_EQ(copy.refCount, 3u);
    EXPECT_EQ(copy.refCapacity, 3u);
    EXPECT_NE(copy.refs.data(), Constants[0].refs.data());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(copy.refs[i], &three[i]);
}

TEST_F(StoreTest, OpeningTwiceKeepsTheEdits) {
    BeginFuncWork();
    ASSERT_TRUE(AddFunction("f(x)=x", ""));
    BeginFuncWork();
    EXPECT_EQ(GetFuncCount(), 1);
    EXPECT_EQ(GetFuncDefinition(0), "f(x)=x");
}

TEST_F(StoreTest, ReadsFollowTheWorkingCopyWhileItIsOpen) {
    std::vector<cNode> none;
    PutLiveConstant("k=1", none);
    BeginConstWork();
    ASSERT_TRUE(AddConstant("m=2", "new"));
    EXPECT_EQ(GetConstCount(), 2);
    EXPECT_EQ(GetConstDescription(1), "new");
    DiscardConstWork();
    EXPECT_FALSE(ConstWorkOpen);
    EXPECT_EQ(WorkConstants, nullptr);
    EXPECT_EQ(GetConstCount(), 1);
    EXPECT_EQ(GetConstDefinition(1), std::nullopt);
}

TEST_F(StoreTest, AReadPastTheCountAnswersNothing) {
    EXPECT_EQ(GetFuncDefinition(FuncCount), std::nullopt);
    EXPECT_EQ(GetConstDescription(0), std::nullopt);
}

// The capacities are read once at start-up; should one shrink later, every live entry still has its
// place in the working copy.
TEST_F(FullConstTableTest, AWorkingCopyHoldsEveryLiveEntryEvenWhenTheCapacityShrank) {
    std::vector<cNode> none;
    PutLiveConstant("a1=1", none);
    PutLiveConstant("a2=2", none);
    MaxConst = 1;
    BeginConstWork();
    EXPECT_EQ(GetConstDefinition(1), "a2=2");
    EXPECT_FALSE(AddConstant("a3=3", ""));
}

}  // namespace
