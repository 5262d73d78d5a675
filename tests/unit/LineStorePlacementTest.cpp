// The fast line store against the plain array: the same lines in the same places, ties included,
// whatever order the lines arrive in.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/InsertionSearch.h"
#include "engine/LineSequence.h"
#include "engine/SortedLineStore.h"
#include "support/LineTexts.h"
#include "support/ReferenceLineStore.h"
#include "text/CodePageText.h"

namespace {

// Inserts the lines into both stores and expects identical contents.
void ExpectSamePlacement(const std::vector<std::string>& arrivals) {
    SortedLineStore fast(CodePageText::System());
    ReferenceLineStore reference;
    for (const std::string& line : arrivals) {
        fast.InsertLine(line);
        reference.InsertLine(line);
    }
    ASSERT_EQ(reference.Lines(), Contents(fast));
}

// Short lines over a small alphabet full of pairs that differ only in case (a/A, ａ/Ａ).
std::string RandomLine(std::mt19937& random, unsigned alphabet) {
    static const char* const pieces[] = {"a", "A", "ａ", "Ａ", "b", "B", "表", "ｱ", "_", "\\", ".", "1"};
    std::string line;
    for (int n = static_cast<int>(random() % 5); n > 0; --n) line += pieces[random() % alphabet];
    return line;
}

TEST(LineStorePlacement, RandomLinesWithManyCaseOnlyTies) {
    std::mt19937 random(20260);
    for (int round = 0; round < 60; ++round) {
        const unsigned alphabet = 2 + static_cast<unsigned>(random() % 11);
        std::vector<std::string> arrivals(random() % 2500);
        for (std::string& line : arrivals) line = RandomLine(random, alphabet);
        ExpectSamePlacement(arrivals);
    }
}

TEST(LineStorePlacement, WalkOrderedAndReversedArrivals) {
    std::mt19937 random(7);
    std::vector<std::string> walk;
    for (int dir = 0; dir < 40; ++dir)
        for (int file = 0; file < 60; ++file) {
            std::string line = "sub" + std::to_string(dir) + "\\File" + std::to_string(random() % 30) + ".txt";
            if (random() % 2) std::transform(line.begin(), line.end(), line.begin(), ::toupper);
            walk.push_back(line);
        }
    ExpectSamePlacement(walk);
    std::reverse(walk.begin(), walk.end());
    ExpectSamePlacement(walk);
    std::sort(walk.begin(), walk.end());
    ExpectSamePlacement(walk);
    ExpectSamePlacement(std::vector<std::string>(3000, "same"));
}

TEST(LineStorePlacement, ExamplesOfTheOrder) {
    SortedLineStore store(CodePageText::System());
    for (const char* line : {"sub\\z.txt", "ab", "b.txt", "sub2.txt", "a_b", "A.txt", "c.txt"}) store.InsertLine(line);
    EXPECT_EQ((std::vector<std::string>{"A.txt", "a_b", "ab", "b.txt", "c.txt", "sub2.txt", "sub\\z.txt"}),
              Contents(store));
    ExpectSamePlacement({"x", "x", "x", "x", "x", "X"});
    ExpectSamePlacement({"b", "c", "B"});
    ExpectSamePlacement({"a", "b", "B"});
}

TEST(LineStorePlacement, EqualRangeFromAnyHint) {
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        std::vector<int> values(random() % 40);
        for (int& v : values) v = static_cast<int>(random() % 6);
        std::sort(values.begin(), values.end());
        for (int wanted = -1; wanted <= 6; ++wanted) {
            const auto expected = std::equal_range(values.begin(), values.end(), wanted);
            for (size_t hint = 0; hint <= values.size() + 1; ++hint) {
                const auto range = EqualRangeNear(values.size(), hint, [&](size_t i) {
                    return wanted < values[i] ? -1 : wanted > values[i] ? 1 : 0;
                });
                ASSERT_EQ(static_cast<size_t>(expected.first - values.begin()), range.first);
                ASSERT_EQ(static_cast<size_t>(expected.second - values.begin()), range.second);
            }
        }
    }
}

TEST(LineSequence, InsertsAnywhereAcrossChunkSplits) {
    std::mt19937 random(11);
    LineSequence sequence;
    std::vector<std::string> expected;
    for (int i = 0; i < 6000; ++i) {
        const size_t index = random() % (expected.size() + 1);
        const std::string line = "line " + std::to_string(i);
        sequence.InsertAt(index, line.data(), line.size());
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(index), line);
    }
    const std::string huge(3 << 20, 'h');  // longer than a block of line bytes
    sequence.InsertAt(1, huge.data(), huge.size());
    expected.insert(expected.begin() + 1, huge);
    ASSERT_EQ(expected.size(), sequence.Count());
    for (size_t i = 0; i < expected.size(); i += 97) {
        EXPECT_EQ(expected[i], sequence.At(i));
        EXPECT_EQ(expected[i].size(), sequence.LengthAt(i));
    }
    std::vector<std::string> visited;
    sequence.ForEach([&](const char* text, size_t length) { visited.emplace_back(text, length); return true; });
    EXPECT_EQ(expected, visited);
    sequence.Clear();
    EXPECT_EQ(0u, sequence.Count());
    EXPECT_TRUE(sequence.ForEach([](const char*, size_t) { return false; }));
}

}  // namespace
