// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "TestSupport.h"

namespace {

const char* const Source =
    "title Test Help\n"
    "book Start\n"
    "topic 1 Welcome\n"
    "keywords welcome; basics\n"
    "Hello. See [[34|the window]].\n"
    "book Windows\n"
    "topic 34 The main window\n"
    "keywords basics; window\n"
    "The window.\n";

}  // namespace

class HelpViewer : public testing::Test {
protected:
    HelpViewer()
    {
        WriteFile(Dir / "t.HLP", Source);
        EXPECT_TRUE(Viewer.LoadFile(Dir / "t.HLP"));
    }
    QString Shown() const { return Viewer.txtTopic->toPlainText(); }

    TTempDir Dir;
    THelpViewer Viewer;
};

TEST_F(HelpViewer, ContentsListBooksAndOpensTheFirstTopic)
{
    Viewer.ShowContents();
    EXPECT_EQ(Viewer.windowTitle(), "Test Help");
    EXPECT_EQ(Viewer.tabPages->currentIndex(), 0);
    ASSERT_EQ(Viewer.tvContents->topLevelItemCount(), 2);
    EXPECT_EQ(Viewer.tvContents->topLevelItem(1)->text(0), "Windows");
    EXPECT_EQ(Viewer.tvContents->topLevelItem(1)->child(0)->text(0), "The main window");
    EXPECT_EQ(Viewer.CurrentTopic(), 1);
    EXPECT_TRUE(Shown().startsWith("Welcome\nHello. See the window."));

    emit Viewer.tvContents->itemClicked(Viewer.tvContents->topLevelItem(1)->child(0), 0);
    EXPECT_EQ(Viewer.CurrentTopic(), 34);
}

TEST_F(HelpViewer, TopicsOpenByNumberAndLinksAndBackWork)
{
    Viewer.ShowTopic(34);
    EXPECT_EQ(Viewer.CurrentTopic(), 34);
    EXPECT_EQ(Viewer.tvContents->currentItem()->text(0), "The main window");
    EXPECT_FALSE(Viewer.btnBack->isEnabled());

    Viewer.ShowTopic(1);
    emit Viewer.txtTopic->anchorClicked(QUrl("topic:34"));
    EXPECT_EQ(Viewer.CurrentTopic(), 34);
    Viewer.btnBack->click();
    EXPECT_EQ(Viewer.CurrentTopic(), 1);
    Viewer.btnBack->click();
    EXPECT_EQ(Viewer.CurrentTopic(), 34);
    EXPECT_FALSE(Viewer.btnBack->isEnabled());

    Viewer.ShowTopic(99);
    EXPECT_EQ(Viewer.CurrentTopic(), 0);
    EXPECT_EQ(Shown(), "This help file has no topic with the number 99.");
}

TEST_F(HelpViewer, IndexFindsKeywordsAsTheyAreTyped)
{
    QStringList Entries;
    for (int Row = 0; Row < Viewer.lstIndex->count(); ++Row) Entries << Viewer.lstIndex->item(Row)->text();
    EXPECT_EQ(Entries, QStringList({"basics", "    Welcome", "    The main window", "welcome", "window"}));

    Viewer.edtKeyword->setText("WIN");
    EXPECT_EQ(Viewer.lstIndex->currentItem()->text(), "window");
    emit Viewer.edtKeyword->returnPressed();
    EXPECT_EQ(Viewer.CurrentTopic(), 34);
    emit Viewer.lstIndex->itemActivated(Viewer.lstIndex->item(1));
    EXPECT_EQ(Viewer.CurrentTopic(), 1);
}

TEST_F(HelpViewer, AFileThatCannotBeReadLeavesTheWindowEmpty)
{
    EXPECT_FALSE(Viewer.LoadFile(Dir / "missing.HLP"));
    EXPECT_EQ(Viewer.tvContents->topLevelItemCount(), 0);
    EXPECT_EQ(Viewer.lstIndex->count(), 0);
}
