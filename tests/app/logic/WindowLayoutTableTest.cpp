// What the front ends rely on when they make controls from the layout table.
#include "app/logic/WindowLayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

TEST(WindowLayoutTable, NamesAreUniqueAndLabelsNameExistingControls)
{
    std::set<std::string_view> names;
    for (const layout::ControlLayout& spec : layout::controls()) {
        EXPECT_TRUE(names.insert(spec.name).second) << spec.name;
    }
    for (const layout::ControlLayout& spec : layout::controls()) {
        if (!spec.labelFor.empty()) {
            EXPECT_EQ(spec.kind, layout::Kind::Label) << spec.name;
            EXPECT_NO_THROW(layout::control(spec.labelFor)) << spec.name;
        }
    }
    EXPECT_THROW(layout::control("GroupBox2"), std::out_of_range);
}

TEST(WindowLayoutTable, TabStopsRunFromZeroWithoutGapsOrTwins)
{
    std::vector<int> order;
    for (const layout::ControlLayout& spec : layout::controls()) {
        if (spec.tabOrder != layout::kNotATabStop) {
            order.push_back(spec.tabOrder);
        }
    }
    std::ranges::sort(order);
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i], static_cast<int>(i));
    }
    EXPECT_EQ(layout::control("SampleCodeEdit").tabOrder, 0);
    EXPECT_EQ(layout::control("disclaimer").tabOrder, 10);
}

TEST(WindowLayoutTable, EveryControlLiesInsideTheGroupBox)
{
    for (const layout::ControlLayout& spec : layout::controls()) {
        EXPECT_GE(spec.place.left, 0) << spec.name;
        EXPECT_GE(spec.place.top, 0) << spec.name;
        EXPECT_LE(spec.place.left + spec.place.width, layout::kGroupBox.width) << spec.name;
        EXPECT_LE(spec.place.top + spec.place.height, layout::kGroupBox.height) << spec.name;
    }
    EXPECT_LE(layout::kGroupBox.left + layout::kGroupBox.width, layout::kClientSize.width);
    EXPECT_LE(layout::kGroupBox.top + layout::kGroupBox.height, layout::kClientSize.height);
}

} // namespace
