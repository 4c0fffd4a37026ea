// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

#include "data/Evntlist.h"

namespace fs = std::filesystem;

TTempDir::TTempDir() : TTempDir(fs::temp_directory_path().string()) {}

TTempDir::TTempDir(const std::string& Parent)
{
    std::string Template = (fs::path(Parent) / "datevane-test-XXXXXX").string();
    if (!mkdtemp(Template.data())) throw std::runtime_error("mkdtemp failed");
    Path_ = Template;
}

TTempDir::~TTempDir()
{
    std::error_code Ignored;
    // Gives back write permission that a test took away, so everything goes.
    for (const auto& Entry : fs::recursive_directory_iterator(Path_, Ignored))
        if (Entry.is_directory(Ignored)) fs::permissions(Entry.path(), fs::perms::owner_all, fs::perm_options::add, Ignored);
    fs::remove_all(Path_, Ignored);
}

std::vector<std::string> TTempDir::Files() const
{
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Path_)) Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

void WriteFile(const std::string& FileName, const std::string& Contents)
{
    std::ofstream(FileName, std::ios::binary) << Contents;
}

std::string ReadFile(const std::string& FileName)
{
    std::ostringstream Out;
    Out << std::ifstream(FileName, std::ios::binary).rdbuf();
    return Out.str();
}

std::string CrLf(const std::vector<std::string>& Lines)
{
    std::string Text;
    for (const auto& Line : Lines) Text += Line + "\r\n";
    return Text;
}

void AddAnniversaries(TEventsList& Book, const std::vector<TAnniversary>& Anniversaries)
{
    for (const auto& A : Anniversaries) {
        auto* Item = new TEventItem;
        Item->DayNumber = A.Day;
        Item->EventText = A.Text;
        Item->OrigYear = A.Year;
        Book.Months[A.Month]->Add(Item);
    }
}

std::string DescribeBook(const TEventsList& Book)
{
    std::string Text;
    for (int M = 1; M <= 12; ++M) {
        TListNode* Cursor;
        Book.Months[M]->Rewind(Cursor);
        while (Book.Months[M]->GetNext(Cursor)) {
            const auto* Item = static_cast<const TEventItem*>(Cursor);
            Text += std::to_string(M) + "/" + std::to_string(Item->DayNumber) + " " + std::to_string(Item->OrigYear) +
                    " " + Item->EventText + "\n";
        }
    }
    return Text;
}
