#include <gtest/gtest.h>

#include <set>

#include <string>

#include "ui/control_names.h"
#include "ui/control_table.h"

namespace {

TEST(ControlTable, RowsAreInPositionOrderAndTabOrderDescendsByPosition) {
    int expectedTab = 0;
    std::set<int> tabs;
    for (int i = kControlCount - 1; i >= 0; --i) {
        const ControlRow& row = kControls[static_cast<size_t>(i)];
        EXPECT_EQ(static_cast<int>(row.id), i) << "row " << i + 1;
        bool focusable = row.kind == ControlKind::EditBox || row.kind == ControlKind::CheckBox ||
                         row.kind == ControlKind::Button;
        EXPECT_EQ(row.tab, focusable ? ++expectedTab : 0) << "row " << i + 1;
        if (row.tab) tabs.insert(row.tab);
    }
    EXPECT_EQ(expectedTab, 30);
    EXPECT_EQ(tabs.size(), 30u);
    EXPECT_EQ(kControls[按钮1].tab, 1);
    EXPECT_EQ(kControls[编辑框7].tab, 30);
}

TEST(ControlTable, InitialRowsAgreeWithTheirEnableBoxes) {
    const ControlId user2[] = {编辑框5, 编辑框6, 选择框10, 选择框11, 选择框12, 选择框13, 选择框14};
    const ControlId guest[] = {选择框17, 选择框18, 选择框19, 选择框20, 选择框21};
    const ControlId user1[] = {编辑框3, 编辑框4, 选择框5, 选择框6, 选择框7, 选择框8, 选择框9};
    EXPECT_TRUE(kControls[选择框15].ticked);
    for (ControlId id : user1) EXPECT_TRUE(kControls[id].enabled) << id;
    EXPECT_FALSE(kControls[选择框16].ticked);
    for (ControlId id : user2) EXPECT_FALSE(kControls[id].enabled) << id;
    EXPECT_FALSE(kControls[选择框4].ticked);
    for (ControlId id : guest) EXPECT_FALSE(kControls[id].enabled) << id;
    EXPECT_TRUE(kControls[选择框1].ticked);
    EXPECT_FALSE(kControls[选择框1].enabled);
}

TEST(ControlNames, EveryTabStopHasANameOfItsOwnInTabOrder) {
    std::set<std::string> names;
    for (size_t i = 0; i < std::size(kControlNames); ++i) {
        const ControlName& n = kControlNames[i];
        EXPECT_EQ(kControls[n.id].tab, static_cast<int>(i) + 1) << n.name;
        EXPECT_TRUE(names.insert(n.name).second) << "named twice: " << n.name;
        EXPECT_EQ(NameOfControl(n.id), n.name);
    }
    EXPECT_EQ(NameOfControl(图片框2), nullptr);
}

}  // namespace
