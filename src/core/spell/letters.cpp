#include "core/spell/letters.h"

namespace wordsnap::spell {

namespace {

// Upper/lower pairs the code page keeps below 0xC0: S caron, OE, Z caron, Y diaeresis.
constexpr unsigned char kUpperLow[] = {0x8A, 0x8C, 0x8E, 0x9F};
constexpr unsigned char kLowerLow[] = {0x9A, 0x9C, 0x9E, 0xFF};

}  // namespace

bool IsUpperLetter(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return true;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return true;
  for (unsigned char u : kUpperLow) {
    if (c == u) return true;
  }
  return false;
}

bool IsLowerLetter(unsigned char c) {
  if (c >= 'a' && c <= 'z') return true;
  if (c >= 0xDF && c != 0xF7) return true;  // 0xDF sharp s has no capital here
  for (unsigned char l : kLowerLow) {
    if (c == l) return true;
  }
  return false;
}

bool IsLetter(unsigned char c) { return IsUpperLetter(c) || IsLowerLetter(c); }

char ToLowerLetter(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char>(c + 0x20);
  for (int i = 0; i < 4; ++i) {
    if (c == kUpperLow[i]) return static_cast<char>(kLowerLow[i]);
  }
  return ch;
}

char ToUpperLetter(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char>(c - 0x20);
  for (int i = 0; i < 4; ++i) {
    if (c == kLowerLow[i]) return static_cast<char>(kUpperLow[i]);
  }
  return ch;
}

std::string ToLowerLetters(std::string_view word) {
  std::string out(word);
  for (char& c : out) c = ToLowerLetter(c);
  return out;
}

CasePattern CaseOf(std::string_view word) {
  int upper = 0;
  int letters = 0;
  bool firstUpper = false;
  for (char ch : word) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsLetter(c)) continue;
    if (letters == 0) firstUpper = IsUpperLetter(c);
    ++letters;
    if (IsUpperLetter(c)) ++upper;
  }
  if (upper == 0) return CasePattern::Lower;
  if (upper == letters && letters > 1) return CasePattern::Upper;
  if (upper == 1 && firstUpper) return CasePattern::Title;
  return CasePattern::Mixed;
}

std::string InCaseOf(std::string_view listWord, CasePattern typed) {
  std::string out(listWord);
  if (typed == CasePattern::Upper) {
    for (char& c : out) c = ToUpperLetter(c);
  } else if (typed == CasePattern::Title && CaseOf(listWord) == CasePattern::Lower) {
    for (char& c : out) {
      if (IsLetter(static_cast<unsigned char>(c))) {
        c = ToUpperLetter(c);
        break;
      }
    }
  }
  return out;
}

}  // namespace wordsnap::spell
