// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file: topics addressed by context numbers, grouped into the books of
// a contents list, with keywords for an index. The format is a plain UTF-8
// text, described in help/README.md:
//
//   # a comment line
//   title Datevane Help                      the help window's title
//   book Getting started                     a contents book; topics follow it
//   topic 1 Welcome to Datevane              a topic: context number and title
//   keywords welcome; first run              index keywords of that topic
//   Text lines, joined into paragraphs. A blank line ends a paragraph,
//   "* " starts a list item, **bold** is bold, [[34|the main window]] links to
//   topic 34.

#include <map>
#include <string>
#include <vector>

struct THelpTopic {
    int Context = 0;
    std::string Title;
    std::vector<std::string> Keywords;
    std::vector<std::string> Lines;  // the body as written
};

struct THelpBook {
    std::string Title;
    std::vector<int> Topics;  // context numbers, in the order of the file
};

class THelpFile {
public:
    // Reads the text of a help file. A later topic with a number already used
    // is ignored; lines before the first topic that are neither a title nor a
    // book are ignored.
    void Parse(const std::string& Text);
    // Loads the named file; false when it cannot be read.
    bool Load(const std::string& FileName);

    const std::string& Title() const { return Title_; }
    const std::vector<THelpBook>& Books() const { return Books_; }
    // The topic with that number, or nullptr.
    const THelpTopic* Topic(int Context) const;
    // Every keyword with the numbers of its topics, sorted without regard to case.
    std::vector<std::pair<std::string, std::vector<int>>> Index() const;

private:
    std::string Title_;
    std::vector<THelpBook> Books_;
    std::map<int, THelpTopic> Topics_;
};

// The topic as an HTML fragment: its title as a heading, paragraphs, lists,
// bold text and links of the form topic:N. Text is escaped.
std::string TopicHtml(const THelpTopic& Topic);
