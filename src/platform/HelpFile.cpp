// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "platform/FileSystem.h"

namespace {

std::string Trim(const std::string& Text)
{
    const auto First = Text.find_first_not_of(" \t\r");
    if (First == std::string::npos) return {};
    return Text.substr(First, Text.find_last_not_of(" \t\r") - First + 1);
}

// The rest of Line after Word and a blank, when Line starts that way.
bool After(const std::string& Line, const std::string& Word, std::string& Rest)
{
    if (Line.compare(0, Word.size(), Word) != 0) return false;
    if (Line.size() > Word.size() && Line[Word.size()] != ' ') return false;
    Rest = Trim(Line.substr(Word.size()));
    return true;
}

std::string Lower(std::string Text)
{
    for (char& Ch : Text) Ch = static_cast<char>(std::tolower(static_cast<unsigned char>(Ch)));
    return Text;
}

std::string Escape(const std::string& Text)
{
    std::string Out;
    for (const char Ch : Text) {
        switch (Ch) {
        case '&': Out += "&amp;"; break;
        case '<': Out += "&lt;"; break;
        case '>': Out += "&gt;"; break;
        case '"': Out += "&quot;"; break;
        default: Out += Ch;
        }
    }
    return Out;
}

// One line of body text with its **bold** parts and [[N|text]] links.
std::string Inline(const std::string& Text)
{
    std::string Out;
    bool Bold = false;
    for (size_t At = 0; At < Text.size();) {
        if (Text.compare(At, 2, "**") == 0) {
            Out += Bold ? "</b>" : "<b>";
            Bold = !Bold;
            At += 2;
            continue;
        }
        if (Text.compare(At, 2, "[[") == 0) {
            const size_t Bar = Text.find('|', At);
            const size_t Close = Text.find("]]", At);
            int Context = 0;
            if (Bar != std::string::npos && Close != std::string::npos && Bar < Close) {
                const auto [End, Error] = std::from_chars(Text.data() + At + 2, Text.data() + Bar, Context);
                if (Error == std::errc() && End == Text.data() + Bar) {
                    Out += "<a href=\"topic:" + std::to_string(Context) + "\">"
                           + Escape(Text.substr(Bar + 1, Close - Bar - 1)) + "</a>";
                    At = Close + 2;
                    continue;
                }
            }
        }
        Out += Escape(std::string(1, Text[At]));
        ++At;
    }
    if (Bold) Out += "</b>";
    return Out;
}

}  // namespace

void THelpFile::Parse(const std::string& Text)
{
    Title_.clear();
    Books_.clear();
    Topics_.clear();
    THelpTopic* Current = nullptr;
    std::istringstream In(Text);
    std::string Line, Rest;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r') Line.pop_back();
        if (Line.starts_with('#')) continue;
        if (After(Line, "title", Rest)) {
            Title_ = Rest;
        } else if (After(Line, "book", Rest)) {
            Books_.push_back({Rest, {}});
            Current = nullptr;
        } else if (After(Line, "topic", Rest)) {
            int Context = 0;
            const auto [End, Error] = std::from_chars(Rest.data(), Rest.data() + Rest.size(), Context);
            Current = nullptr;
            if (Error != std::errc() || Context <= 0 || Topics_.count(Context)) continue;
            Current = &Topics_[Context];
            Current->Context = Context;
            Current->Title = Trim(Rest.substr(static_cast<size_t>(End - Rest.data())));
            if (Books_.empty()) Books_.push_back({});
            Books_.back().Topics.push_back(Context);
        } else if (Current && Current->Lines.empty() && After(Line, "keywords", Rest)) {
            std::istringstream Words(Rest);
            std::string Word;
            while (std::getline(Words, Word, ';'))
                if (!Trim(Word).empty()) Current->Keywords.push_back(Trim(Word));
        } else if (Current) {
            Current->Lines.push_back(Line);
        }
    }
    for (auto& [Context, Topic] : Topics_) {
        while (!Topic.Lines.empty() && Trim(Topic.Lines.back()).empty()) Topic.Lines.pop_back();
        while (!Topic.Lines.empty() && Trim(Topic.Lines.front()).empty()) Topic.Lines.erase(Topic.Lines.begin());
    }
}

bool THelpFile::Load(const std::string& FileName)
{
    std::string Text;
    if (platform::ReadWholeFile(FileName, Text) != platform::ReadResult::Ok) return false;
    Parse(Text);
    return true;
}

const THelpTopic* THelpFile::Topic(int Context) const
{
    const auto Found = Topics_.find(Context);
    return Found == Topics_.end() ? nullptr : &Found->second;
}

std::vector<std::pair<std::string, std::vector<int>>> THelpFile::Index() const
{
    std::map<std::string, std::pair<std::string, std::vector<int>>> ByKey;
    for (const auto& [Context, Topic] : Topics_) {
        for (const std::string& Keyword : Topic.Keywords) {
            auto& Entry = ByKey[Lower(Keyword)];
            if (Entry.first.empty()) Entry.first = Keyword;
            if (std::find(Entry.second.begin(), Entry.second.end(), Context) == Entry.second.end())
                Entry.second.push_back(Context);
        }
    }
    std::vector<std::pair<std::string, std::vector<int>>> Result;
    for (auto& [Key, Entry] : ByKey) Result.push_back(std::move(Entry));
    return Result;
}

std::string TopicHtml(const THelpTopic& Topic)
{
    std::string Html = "<h2>" + Escape(Topic.Title) + "</h2>\n";
    std::string Paragraph;
    bool InList = false;
    const auto EndParagraph = [&] {
        if (!Paragraph.empty()) Html += "<p>" + Inline(Paragraph) + "</p>\n";
        Paragraph.clear();
    };
    const auto EndList = [&] {
        if (InList) Html += "</ul>\n";
        InList = false;
    };
    for (const std::string& Raw : Topic.Lines) {
        const std::string Line = Trim(Raw);
        if (Line.empty()) {
            EndParagraph();
            EndList();
        } else if (Line.starts_with("* ")) {
            EndParagraph();
            if (!InList) Html += "<ul>\n";
            InList = true;
            Html += "<li>" + Inline(Trim(Line.substr(2))) + "</li>\n";
        } else if (InList && Raw.starts_with("  ")) {
            // A list item continued on an indented line.
            const auto Last = Html.rfind("</li>");
            Html.insert(Last, " " + Inline(Line));
        } else {
            EndList();
            Paragraph += Paragraph.empty() ? Line : " " + Line;
        }
    }
    EndParagraph();
    EndList();
    return Html;
}
