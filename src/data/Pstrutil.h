// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Trimming and checking of typed text. A blank is the space character only.

#include <string>

std::string StripLeadingSpaces(std::string S);
std::string StripTrailingSpaces(std::string S);
std::string StripTrailingChar(std::string S, char Ch);
std::string StripSpaces(std::string S);
std::string StripChar(std::string S, char Ch);
// S with a to z made A to Z; other bytes, accented letters too, unchanged.
std::string UpperCase(std::string S);
// True when S is not empty and holds only the digits 0 to 9.
bool IsAllDigits(const std::string& S);
