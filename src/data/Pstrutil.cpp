// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Pstrutil.h"

#include <algorithm>

std::string StripLeadingSpaces(std::string S)
{
    S.erase(0, std::min(S.find_first_not_of(' '), S.size()));
    return S;
}

std::string StripTrailingSpaces(std::string S)
{
    return StripTrailingChar(std::move(S), ' ');
}

std::string StripTrailingChar(std::string S, char Ch)
{
    while (!S.empty() && S.back() == Ch) S.pop_back();
    return S;
}

std::string StripSpaces(std::string S)
{
    return StripLeadingSpaces(StripTrailingSpaces(std::move(S)));
}

std::string StripChar(std::string S, char Ch)
{
    S.erase(std::remove(S.begin(), S.end(), Ch), S.end());
    return S;
}

std::string UpperCase(std::string S)
{
    for (char& C : S)
        if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
    return S;
}

bool IsAllDigits(const std::string& S)
{
    return !S.empty() && std::all_of(S.begin(), S.end(), [](char C) { return C >= '0' && C <= '9'; });
}
