#include "core/engine/character_classes.h"

namespace wordsnap {
namespace {

constexpr std::string_view kSuffixPunctuationInNames = ".,:';?!-";
constexpr std::string_view kSuffixPunctuationOutsideNames = ".,:;?!-";

}  // namespace

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         (c != '\0' && kNamePunctuation.find(c) != std::string_view::npos);
}

bool IsSuffixPunctuation(char c) {
  if (c == '\0') return false;
  const std::string_view set = IsNameCharacter(c) ? kSuffixPunctuationInNames : kSuffixPunctuationOutsideNames;
  return set.find(c) != std::string_view::npos;
}

}  // namespace wordsnap
