#include "components/cores/json/GrowableArray.h"

#include <array>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

using netcomp::json::GrowableArray;

std::vector<int> contents(const GrowableArray<int>& array)
{
    return {array.data(), array.data() + array.size()};
}

// The parser lends each array a slice of one block sized from what it counted; an array
// that outgrows its slice must keep its items and leave the neighbouring slice alone.
TEST(GrowableArray, OutgrowingTheLentStorageKeepsTheItemsAndTheNeighbours)
{
    std::array<int, 8> block{};
    block.fill(-1);
    GrowableArray<int> array;
    array.lend(block.data(), 3);

    for (int i = 0; i < 3; ++i) {
        array.push_back(i);
    }
    EXPECT_EQ(array.data(), block.data());
    array.push_back(3);
    EXPECT_NE(array.data(), block.data());

    const int more[] = {4, 5, 6, 7, 8};
    array.append(more, 5);
    int* room = array.makeRoom(20);
    for (int i = 9; i < 29; ++i) {
        *room++ = i;
    }
    array.setEnd(room);

    std::vector<int> expected(29);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(contents(array), expected);
    EXPECT_EQ(block[3], -1) << "wrote past its slice";
}

TEST(GrowableArray, LendingAgainStartsEmptyInTheNewStorage)
{
    std::array<int, 4> first{};
    std::array<int, 4> second{};
    GrowableArray<int> array;
    array.lend(first.data(), 1);
    array.push_back(1);
    array.push_back(2);

    array.lend(second.data(), 4);
    EXPECT_TRUE(array.empty());
    array.push_back(7);
    EXPECT_EQ(array.data(), second.data());
    EXPECT_EQ(contents(array), std::vector<int>{7});

    array.release();
    EXPECT_TRUE(array.empty());
    array.push_back(9);
    EXPECT_EQ(contents(array), std::vector<int>{9});
}

} // namespace
