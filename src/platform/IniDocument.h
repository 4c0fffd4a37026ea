// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of an initialisation file held in memory: sections in brackets and
// key=value entries, read and changed by the rules of the Windows private
// profile functions. Lines the rules do not touch are kept byte for byte.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Values read back never exceed this many characters.
inline constexpr size_t MaxIniValueLength = 2047;

using TIniEntry = std::pair<std::string_view, std::string_view>;  // key, value

// A stored value as a reader sees it: blanks and tabs around it removed, one
// pair of enclosing quotes (double or single) removed, cut to MaxIniValueLength.
std::string_view IniValueText(std::string_view Raw);

// Converts a value to an integer: optional leading blanks, then an optional sign
// and decimal digits, or hexadecimal digits after $, 0x, 0X, x or X. Anything
// else, or a number outside the 32-bit signed range, gives Default.
int32_t IniStrToInt(std::string_view Text, int32_t Default);

// Appends the lines "[Section]" and "key=value" for each entry, each ended by
// CR LF. A line break inside a name or value becomes a blank, so that no text
// can smuggle new lines, sections or keys into the file.
void AppendIniSection(std::string& Out, std::string_view Section, std::span<const TIniEntry> Entries);

class TIniDocument {
public:
    TIniDocument() = default;
    explicit TIniDocument(std::string Text);
    TIniDocument(const TIniDocument&) = delete;
    TIniDocument& operator=(const TIniDocument&) = delete;
    TIniDocument(TIniDocument&&) = default;
    TIniDocument& operator=(TIniDocument&&) = default;

    // The file's text, every line ended by CR LF.
    std::string Text() const;

    bool SectionExists(std::string_view Section) const;
    // The stored text after the equals sign of the first Ident in the first
    // Section of that name, as it stands in the line; nothing when missing.
    std::optional<std::string_view> FindValue(std::string_view Section, std::string_view Ident) const;

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const;
    int32_t ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const;
    bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;

    // Calls Visit(Key, Value) for every entry of Section, in file order, a key
    // that occurs twice included twice (readers take the first), Value as a
    // reader sees it. Costs one pass over the section.
    void ForEachEntry(std::string_view Section,
                      const std::function<void(std::string_view Key, std::string_view Value)>& Visit) const;
    // Calls Visit once for each section name, in no particular order.
    void ForEachSectionName(const std::function<void(std::string_view Name)>& Visit) const;

    // Replaces the value of an existing key where it stands, adds a new key
    // after the last entry of its section, a new section at the end.
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
    void WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value);
    void WriteBool(std::string_view Section, std::string_view Ident, bool Value);

    // Removes every section of that name with all its lines; false when
    // there was none.
    bool EraseSection(std::string_view Section);

    // Section and key names compare without regard to the case of A to Z;
    // these let a map of names do the same.
    struct TFoldedHash {
        size_t operator()(std::string_view S) const noexcept;
    };
    struct TFoldedEqual {
        bool operator()(std::string_view A, std::string_view B) const noexcept;
    };

private:
    // One line without its line end; an entry knows where its key and value
    // lie in it. Kept small: a large file has hundreds of thousands.
    struct TLine {
        std::string_view Text;
        uint32_t KeyStart = 0, KeyLength = 0;
        uint32_t ValueStart = 0;  // what follows the first equals sign, untrimmed
        bool IsEntry = false;
        std::string_view Key() const { return Text.substr(KeyStart, KeyLength); }
        std::string_view Value() const { return Text.substr(ValueStart); }
    };
    struct TSection {
        std::string_view Name;
        bool HasHeader = false;  // false only for the lines before the first header
        bool Erased = false;
        size_t NextSameName = 0; // index of the next section of the same name, or 0
                                 // (section 0 holds the lines before the first header)
        std::vector<TLine> Lines;  // the header line first, when there is one
    };
    struct TNameRange {
        size_t First, Last;
    };

    static TLine ParseLine(std::string_view Text);
    void Parse(std::string_view Text);
    void AddSection(std::string_view Name, bool HasHeader);
    const TSection* Find(std::string_view Section) const;
    std::string_view Store(std::string Text);

    // The text as read and every line made by writes, at stable addresses:
    // all the views above point into it.
    std::deque<std::string> Storage_;
    bool ByteOrderMark_ = false;
    std::vector<TSection> Sections_;
    std::unordered_map<std::string_view, TNameRange, TFoldedHash, TFoldedEqual> Index_;
};
