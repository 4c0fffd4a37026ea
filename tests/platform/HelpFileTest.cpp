// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpFile.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

TEST(HelpFile, ReadsBooksTopicsAndKeywords)
{
    THelpFile File;
    File.Parse("# comment\r\n"
               "title My Help\r\n"
               "topic 7 Before any book\n"
               "book First\n"
               "topic 1 Welcome\n"
               "keywords start; Welcome ;\n"
               "\n"
               "Hello.\n"
               "keywords are words here\n"
               "\n"
               "book Second\n"
               "topic 34 Main\n"
               "keywords main; start\n"
               "Text.\n"
               "topic 1 Again\n"
               "Ignored.\n"
               "topic x Bad number\n");
    EXPECT_EQ(File.Title(), "My Help");
    ASSERT_EQ(File.Books().size(), 3u);
    EXPECT_EQ(File.Books()[0].Title, "");
    EXPECT_EQ(File.Books()[0].Topics, std::vector<int>{7});
    EXPECT_EQ(File.Books()[1].Title, "First");
    EXPECT_EQ(File.Books()[1].Topics, std::vector<int>{1});
    EXPECT_EQ(File.Books()[2].Topics, std::vector<int>{34});
    const THelpTopic* Welcome = File.Topic(1);
    ASSERT_NE(Welcome, nullptr);
    EXPECT_EQ(Welcome->Title, "Welcome");
    EXPECT_EQ(Welcome->Lines, (std::vector<std::string>{"Hello.", "keywords are words here"}));
    EXPECT_EQ(File.Topic(2), nullptr);
    using TIndex = std::vector<std::pair<std::string, std::vector<int>>>;
    EXPECT_EQ(File.Index(), (TIndex{{"main", {34}}, {"start", {1, 34}}, {"Welcome", {1}}}));
}

TEST(HelpFile, TopicHtmlHasParagraphsListsBoldAndLinks)
{
    THelpTopic Topic {5, "A <title>", {}, {
        "First line", "joined & escaped.", "",
        "* item **bold**", "  continued", "* see [[34|the main window]]",
        "After [[x|not a link]]."}};
    EXPECT_EQ(TopicHtml(Topic),
              "<h2>A &lt;title&gt;</h2>\n"
              "<p>First line joined &amp; escaped.</p>\n"
              "<ul>\n<li>item <b>bold</b> continued</li>\n"
              "<li>see <a href=\"topic:34\">the main window</a></li>\n</ul>\n"
              "<p>After [[x|not a link]].</p>\n");
}

// The help file the program ships: a topic with text for every number the
// program opens, and no link that leads nowhere.
TEST(HelpFile, ShippedFileCoversEveryContextNumber)
{
    THelpFile File;
    ASSERT_TRUE(File.Load(DATEVANE_HELP_FILE));
    EXPECT_FALSE(File.Title().empty());
    for (const int Context : {1, 4, 12, 13, 14, 15, 34, 37, 38, 39, 40, 41, 49}) {
        const THelpTopic* Topic = File.Topic(Context);
        ASSERT_NE(Topic, nullptr) << Context;
        EXPECT_FALSE(Topic->Keywords.empty()) << Context;
        EXPECT_GE(Topic->Lines.size(), 3u) << Context;
    }
    std::set<int> Listed;
    for (const THelpBook& Book : File.Books()) Listed.insert(Book.Topics.begin(), Book.Topics.end());
    for (const int Context : Listed) {
        const std::string Html = TopicHtml(*File.Topic(Context));
        const std::regex Link("href=\"topic:(\\d+)\"");
        for (auto It = std::sregex_iterator(Html.begin(), Html.end(), Link); It != std::sregex_iterator(); ++It)
            EXPECT_NE(File.Topic(std::stoi((*It)[1])), nullptr) << "topic " << Context << " links to " << (*It)[1];
    }
}
