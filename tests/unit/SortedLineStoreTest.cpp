// The line store's placement: sorted without regard to case, ties placed where the search lands.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/SortedLineStore.h"
#include "support/LineTexts.h"
#include "text/CodePageText.h"

namespace {

SortedLineStore StoreOf(std::initializer_list<const char*> lines) {
    SortedLineStore store(CodePageText::System());
    for (const char* line : lines) store.InsertLine(line);
    return store;
}

TEST(SortedLineStore, EqualLinesGoWhereTheSearchFirstMeetsOne) {
    SortedLineStore before = StoreOf({"b", "c"});
    before.InsertLine("B");
    EXPECT_EQ((std::vector<std::string>{"B", "b", "c"}), Contents(before));

    SortedLineStore after = StoreOf({"a", "b"});
    after.InsertLine("B");
    EXPECT_EQ((std::vector<std::string>{"a", "b", "B"}), Contents(after));

    SortedLineStore middle = StoreOf({"x", "x", "x", "x", "x"});
    middle.InsertLine("X");
    EXPECT_EQ((std::vector<std::string>{"x", "x", "X", "x", "x", "x"}), Contents(middle));
}

TEST(SortedLineStore, ManyInsertionsInAnyOrderStaySorted) {
    const char* pieces[] = {"a", "B", "_", "\\", "1", "表", "ｱ", ".", "ソ", "z"};
    std::srand(7);
    SortedLineStore store(CodePageText::System());
    for (int i = 0; i < 600; ++i) {
        std::string line;
        for (int n = std::rand() % 4; n >= 0; --n) line += pieces[std::rand() % 10];
        store.InsertLine(line);
    }
    const std::vector<std::string> lines = Contents(store);
    ASSERT_EQ(600u, lines.size());
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_LE(CodePageText::System().Compare(lines[i - 1].c_str(), lines[i].c_str()), 0) << i;
}

TEST(SortedLineStore, HeaderAndFooterGoAroundTheSortedLines) {
    SortedLineStore store = StoreOf({"b", "a"});
    store.AddFirst("zz header");
    store.AddLast("00 footer");
    EXPECT_EQ((std::vector<std::string>{"zz header", "a", "b", "00 footer"}), Contents(store));
    EXPECT_EQ(4u, store.Count());
    int visited = 0;
    EXPECT_FALSE(store.ForEachLine([&](const char*, size_t) { return ++visited < 2; }));
    EXPECT_EQ(2, visited) << "visiting stops at the first refusal";
}

}  // namespace
