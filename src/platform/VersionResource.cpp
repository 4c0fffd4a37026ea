// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VersionResource.h"

#include <cstdio>

namespace {

// Every block: wLength, wValueLength, wType, the key as NUL-ended UTF-16, padding
// to 32 bits, the value, padding to 32 bits, the child blocks.
class TWriter {
public:
    // Starts a block and returns its offset, to be closed by End.
    size_t Begin(const std::u16string& Key, uint16_t ValueLength, uint16_t Type)
    {
        Align();
        const size_t Start = Bytes_.size();
        Word(0);
        Word(ValueLength);
        Word(Type);
        for (const char16_t Ch : Key) Word(Ch);
        Word(0);
        Align();
        return Start;
    }
    void End(size_t Start)
    {
        const size_t Length = Bytes_.size() - Start;
        Bytes_[Start] = static_cast<uint8_t>(Length);
        Bytes_[Start + 1] = static_cast<uint8_t>(Length >> 8);
    }
    void Word(uint16_t Value)
    {
        Bytes_.push_back(static_cast<uint8_t>(Value));
        Bytes_.push_back(static_cast<uint8_t>(Value >> 8));
    }
    void DWord(uint32_t Value)
    {
        Word(static_cast<uint16_t>(Value));
        Word(static_cast<uint16_t>(Value >> 16));
    }
    void Align()
    {
        while (Bytes_.size() % 4) Bytes_.push_back(0);
    }
    std::vector<uint8_t> Take() { return std::move(Bytes_); }

private:
    std::vector<uint8_t> Bytes_;
};

constexpr uint16_t Binary = 0;
constexpr uint16_t Text = 1;

uint32_t High(const std::array<uint16_t, 4>& V) { return uint32_t{V[0]} << 16 | V[1]; }
uint32_t Low(const std::array<uint16_t, 4>& V) { return uint32_t{V[2]} << 16 | V[3]; }

std::u16string TableName(uint16_t Language, uint16_t CodePage)
{
    char Name[9];
    std::snprintf(Name, sizeof Name, "%.4X%.4X", Language, CodePage);
    return {Name, Name + 8};
}

}  // namespace

std::vector<uint8_t> BuildVersionResource(const TVersionResource& Resource)
{
    TWriter W;
    const size_t Root = W.Begin(u"VS_VERSION_INFO", 52, Binary);
    W.DWord(0xFEEF04BD);  // signature
    W.DWord(0x00010000);  // structure version 1.0
    W.DWord(High(Resource.FileVersion));
    W.DWord(Low(Resource.FileVersion));
    W.DWord(High(Resource.ProductVersion));
    W.DWord(Low(Resource.ProductVersion));
    W.DWord(0x3F);      // file flags mask
    W.DWord(0);         // file flags
    W.DWord(0x40004);   // operating system: 32-bit Windows on NT
    W.DWord(1);         // file type: application
    W.DWord(0);         // subtype
    W.DWord(0);         // file date, high
    W.DWord(0);         // file date, low

    if (!Resource.StringTables.empty()) {
        const size_t Info = W.Begin(u"StringFileInfo", 0, Text);
        for (const TVersionStringTable& Table : Resource.StringTables) {
            const size_t TableStart = W.Begin(TableName(Table.Language, Table.CodePage), 0, Text);
            for (const auto& [Key, Value] : Table.Strings) {
                const size_t String = W.Begin(Key, static_cast<uint16_t>(Value.size() + 1), Text);
                for (const char16_t Ch : Value) W.Word(Ch);
                W.Word(0);
                W.End(String);
            }
            W.End(TableStart);
        }
        W.End(Info);
    }
    if (!Resource.Translations.empty()) {
        const size_t Var = W.Begin(u"VarFileInfo", 0, Text);
        const size_t Translation =
            W.Begin(u"Translation", static_cast<uint16_t>(4 * Resource.Translations.size()), Binary);
        for (const uint32_t Entry : Resource.Translations) W.DWord(Entry);
        W.End(Translation);
        W.End(Var);
    }
    W.End(Root);
    return W.Take();
}
