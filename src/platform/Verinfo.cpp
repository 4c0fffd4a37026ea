// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Verinfo.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "platform/Ansi.h"

namespace {

constexpr std::array<const char*, 10> KeyTexts = {
    "\\CompanyName",     "\\Comments",        "\\FileDescription", "\\FileVersion",    "\\InternalName",
    "\\LegalCopyright",  "\\LegalTrademarks", "\\OriginalFilename", "\\ProductVersion", "\\ProductName"};

constexpr size_t HeaderSize = 6;        // wLength, wValueLength, wType
constexpr size_t FixedInfoOffset = 40;  // after the header, the key and its padding
constexpr size_t FixedInfoSize = 52;
constexpr uint32_t FixedInfoSignature = 0xFEEF04BD;
constexpr uint16_t TextType = 1;

// "VS_VERSION_INFO" and its NUL in UTF-16, little-endian, as the structure's
// key follows its header.
constexpr std::array<char, 32> KeyBytes = {
    'V', 0, 'S', 0, '_', 0, 'V', 0, 'E', 0, 'R', 0, 'S', 0, 'I', 0,
    'O', 0, 'N', 0, '_', 0, 'I', 0, 'N', 0, 'F', 0, 'O', 0, 0, 0};

uint16_t Word(const uint8_t* P) { return static_cast<uint16_t>(P[0] | P[1] << 8); }
uint32_t DWord(const uint8_t* P) { return uint32_t{Word(P)} | uint32_t{Word(P + 2)} << 16; }
size_t Align4(size_t Offset) { return (Offset + 3) & ~size_t{3}; }

// The structure starting at Offset in File when its header, key and fixed
// information are sound and it lies wholly inside the file; empty otherwise.
std::vector<uint8_t> ReadStructureAt(std::ifstream& File, uint64_t Offset, uint64_t FileSize)
{
    std::array<uint8_t, FixedInfoOffset + FixedInfoSize> Head;
    if (FileSize - Offset < Head.size()) return {};
    File.clear();
    File.seekg(static_cast<std::streamoff>(Offset));
    if (!File.read(reinterpret_cast<char*>(Head.data()), Head.size())) return {};
    const uint16_t Length = Word(Head.data());
    if (Length < Head.size() || Length > FileSize - Offset) return {};
    if (Word(Head.data() + 2) != FixedInfoSize || Word(Head.data() + 4) != 0) return {};
    if (DWord(Head.data() + FixedInfoOffset) != FixedInfoSignature) return {};
    std::vector<uint8_t> Data(Length);
    File.seekg(static_cast<std::streamoff>(Offset));
    if (!File.read(reinterpret_cast<char*>(Data.data()), Length)) return {};
    return Data;
}

// The version data in the named file: the first sound structure whose key is
// found, read in chunks so a large executable never sits in memory whole.
std::vector<uint8_t> FindVersionData(const std::string& FileName)
{
    std::ifstream File(FileName, std::ios::binary);
    std::ifstream Reader(FileName, std::ios::binary);
    if (!File || !Reader) return {};
    File.seekg(0, std::ios::end);
    const auto End = File.tellg();
    if (End <= 0) return {};
    const auto FileSize = static_cast<uint64_t>(End);
    File.seekg(0);

    // Each chunk starts with the tail of the one before, so a key that
    // straddles two reads is still seen whole.
    constexpr size_t ChunkSize = 1 << 16;
    constexpr size_t Overlap = KeyBytes.size() - 1;
    std::vector<char> Chunk(ChunkSize + Overlap);
    size_t Kept = 0;
    uint64_t ChunkStart = 0;  // file offset of Chunk[0]
    while (File) {
        File.read(Chunk.data() + Kept, static_cast<std::streamsize>(ChunkSize));
        const size_t Filled = Kept + static_cast<size_t>(File.gcount());
        if (Filled == Kept) break;
        for (auto At = Chunk.begin();;) {
            At = std::search(At, Chunk.begin() + static_cast<std::ptrdiff_t>(Filled), KeyBytes.begin(), KeyBytes.end());
            if (At == Chunk.begin() + static_cast<std::ptrdiff_t>(Filled)) break;
            const uint64_t KeyOffset = ChunkStart + static_cast<uint64_t>(At - Chunk.begin());
            if (KeyOffset >= HeaderSize) {
                std::vector<uint8_t> Data = ReadStructureAt(Reader, KeyOffset - HeaderSize, FileSize);
                if (!Data.empty()) return Data;
            }
            ++At;
        }
        Kept = std::min(Overlap, Filled);
        std::memmove(Chunk.data(), Chunk.data() + Filled - Kept, Kept);
        ChunkStart += Filled - Kept;
    }
    return {};
}

// One block of the structure: wLength, wValueLength, wType, a NUL-ended UTF-16
// key, the value and the child blocks, each 32-bit aligned from the start of
// the structure.
struct TBlock {
    size_t Offset = 0;
    size_t End = 0;  // one past the block's last byte
    size_t Key = 0;
    size_t KeyEnd = 0;
    size_t Value = 0;
    size_t ValueLength = 0;  // in bytes
    size_t Children = 0;
};

bool ReadBlock(const uint8_t* Data, size_t Offset, size_t Limit, TBlock& Block)
{
    if (Offset + HeaderSize > Limit) return false;
    const size_t Length = Word(Data + Offset);
    if (Length < HeaderSize || Length > Limit - Offset) return false;
    Block.Offset = Offset;
    Block.End = Offset + Length;
    Block.Key = Offset + HeaderSize;
    size_t At = Block.Key;
    while (At + 2 <= Block.End && Word(Data + At) != 0) At += 2;
    if (At + 2 > Block.End) return false;
    Block.KeyEnd = At;
    Block.Value = std::min(Align4(At + 2), Block.End);
    // Text values count UTF-16 units, binary values bytes.
    const size_t Units = Word(Data + Offset + 2);
    const size_t Bytes = Word(Data + Offset + 4) == TextType ? 2 * Units : Units;
    Block.ValueLength = std::min(Bytes, Block.End - Block.Value);
    Block.Children = std::min(Align4(Block.Value + Block.ValueLength), Block.End);
    return true;
}

bool KeyIs(const uint8_t* Data, const TBlock& Block, const std::string& Name)
{
    if ((Block.KeyEnd - Block.Key) / 2 != Name.size()) return false;
    for (size_t I = 0; I < Name.size(); ++I) {
        const uint16_t Ch = Word(Data + Block.Key + 2 * I);
        if (Ch > 0x7F || std::tolower(Ch) != std::tolower(static_cast<unsigned char>(Name[I]))) return false;
    }
    return true;
}

}  // namespace

std::string VersionQueryPath(uint32_t Translation, TVersionKey Key)
{
    char Path[64];
    std::snprintf(Path, sizeof Path, "%s%.4X%.4X%s", "\\StringFileInfo\\", Translation & 0xFFFF, Translation >> 16,
                  KeyTexts[static_cast<size_t>(Key)]);
    return Path;
}

TVersionInfo::TVersionInfo(const std::string& FileName)
{
    FValid = false;
    std::vector<uint8_t> Data = FindVersionData(FileName);
    FInfoSize = static_cast<int32_t>(Data.size());
    if (FInfoSize <= 0) return;
    FInfoData = std::make_unique<uint8_t[]>(Data.size());
    std::copy(Data.begin(), Data.end(), FInfoData.get());
    size_t Length = 0;
    const uint8_t* Translation = QueryValue("\\VarFileInfo\\Translation", Length);
    // Only the first entry is ever used; a table too short to hold it is none.
    if (Translation && Length >= 4) {
        FTranslation = DWord(Translation);
        FValid = true;
    }
}

TVersionInfo::~TVersionInfo() = default;

const uint8_t* TVersionInfo::QueryValue(const std::string& Path, size_t& Length) const
{
    const uint8_t* Data = FInfoData.get();
    TBlock Block;
    if (!ReadBlock(Data, 0, static_cast<size_t>(FInfoSize), Block)) return nullptr;
    size_t Start = 0;
    while (Start < Path.size()) {
        if (Path[Start] == '\\') {
            ++Start;
            continue;
        }
        const size_t Stop = std::min(Path.find('\\', Start), Path.size());
        const std::string Name = Path.substr(Start, Stop - Start);
        Start = Stop;
        bool Found = false;
        TBlock Child;
        for (size_t At = Block.Children; !Found && ReadBlock(Data, At, Block.End, Child); At = Align4(Child.End))
            Found = KeyIs(Data, Child, Name);
        if (!Found) return nullptr;
        Block = Child;
    }
    Length = Block.ValueLength;
    return Data + Block.Value;
}

std::string TVersionInfo::GetKeyValue(TVersionKey Key) const
{
    std::string Result;
    if (!FValid) return Result;
    size_t Length = 0;
    const uint8_t* Value = QueryValue(VersionQueryPath(FTranslation, Key), Length);
    if (!Value) return Result;
    std::u16string Text;
    for (size_t At = 0; At + 2 <= Length && Word(Value + At) != 0; At += 2) Text += static_cast<char16_t>(Word(Value + At));
    return QStringToAnsi(QString::fromStdU16String(Text));
}
