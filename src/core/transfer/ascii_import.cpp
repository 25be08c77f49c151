#include "core/transfer/ascii_import.h"

namespace wordsnap {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

enum class FieldEnd { Closed, LineEnd, OverLimit };

bool IsControl(char c) { return static_cast<unsigned char>(c) <= 31; }

// Reads one field by the field rules, from the next character until the field is
// closed or the line ends; at least one character is consumed unless the file is
// at its end. The field keeps at most `keep` characters; with stopOverKeep a
// character over that ends the reading at once, else it is left out.
FieldEnd ReadField(ImportFileReader& file, std::string& field, std::size_t keep, bool stopOverKeep) {
  if (file.AtFileEnd()) return FieldEnd::LineEnd;
  bool open = false;
  bool over = false;
  const auto keepChar = [&](char c) {
    if (field.size() < keep) {
      field.push_back(c);
    } else {
      over = true;
    }
  };
  do {
    const char c = file.Get();
    if (IsControl(c)) continue;  // CR, LF, TAB and the like never enter a field
    if (c != kQuote) {
      keepChar(c);
    } else if (!open) {
      open = true;
    } else if (file.AtLineEnd()) {
      return FieldEnd::Closed;
    } else if (file.Peek() == kComma) {
      file.Get();
      return FieldEnd::Closed;
    } else {
      if (file.Peek() == kQuote) file.Get();  // a doubled quote stands for one
      keepChar(kQuote);
    }
    if (over && stopOverKeep) return FieldEnd::OverLimit;
  } while (!file.AtLineEnd());
  return FieldEnd::LineEnd;
}

}  // namespace

FirstLineStatus GetFirstLine(ImportFileReader& file) {
  int fields = 0;
  bool lastClosed = true;
  std::string field;
  while (!file.AtLineEnd()) {
    if (fields == 2) return FirstLineStatus::TooManyFields;
    field.clear();
    const FieldEnd end = ReadField(file, field, kMaxAsciiField, true);
    if (end == FieldEnd::OverLimit) return FirstLineStatus::FieldTooLong;
    ++fields;
    lastClosed = end == FieldEnd::Closed;
  }
  return lastClosed ? FirstLineStatus::Acceptable : FirstLineStatus::UnexpectedLineEnd;
}

void ReadInRecord(ImportFileReader& file, ImportList& list) {
  std::string name;
  std::string text;
  ReadField(file, name, kMaxAsciiField + 1, false);
  if (file.AtLineEnd()) return;  // a blank line, or a line of one field
  ReadField(file, text, kMaxAsciiField + 1, false);
  AddImportEntry(list, name, text);
}

ImportList ReadAsciiDelimitedFile(std::string_view bytes) {
  ImportFileReader file(bytes);
  ImportList list;
  while (!file.AtFileEnd()) ReadInRecord(file, list);
  return list;
}

StoreMessage FirstLineRefusalMessage(FirstLineStatus status) {
  std::string text =
      "The file selected does not appear to be an ASCII delimited text file.  "
      "An ASCII delimited file requires a unique format of each field being "
      "surrounded by double quotes and separated by a comma.  ";
  switch (status) {
    case FirstLineStatus::FieldTooLong:
      text += "The selected file has a field that is greater than 3000 characters.";
      break;
    case FirstLineStatus::UnexpectedLineEnd:
      text += "The selected file had an unexpected end of a line most likely due to an unmatched quote.";
      break;
    case FirstLineStatus::TooManyFields:
      text += "The selected file has too many fields.  There are only 2 fields than are required by Wordsnaps.";
      break;
    case FirstLineStatus::Acceptable:
      break;
  }
  return {text, kCaptionError};
}

}  // namespace wordsnap
