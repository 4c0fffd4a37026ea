// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "GuiTestSupport.h"

TEST(RadioGroup, ClickFollowsEveryChangeOfTheSelectionAndNoOther)
{
    TRadioGroup Group(QStringLiteral(" Month "), {"January", "February", "March"});
    Group.SetItemIndex(0);
    QSignalSpy Clicks(&Group, &TRadioGroup::Click);

    Group.SetItemIndex(0);
    EXPECT_EQ(Clicks.count(), 0);
    Group.SetItemIndex(2);
    EXPECT_EQ(Clicks.count(), 1);
    EXPECT_EQ(Group.ItemIndex(), 2);
    EXPECT_EQ(Group.ItemText(1), "February");

    ShowActive(&Group);
    Group.setFocus();  // goes to the selected item
    ASSERT_EQ(QApplication::focusWidget(), Group.findChildren<QRadioButton*>()[2]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(Group.ItemIndex(), 1);
    EXPECT_EQ(Clicks.count(), 2);
}
