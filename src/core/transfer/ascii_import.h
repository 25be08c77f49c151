#pragma once
// The ASCII delimited import format: two double-quoted fields a line, the name and
// the replacement text, separated by a comma. Control characters are dropped
// while reading, so a text read this way is one line.
//
// Field rules: a field opens at its first double quote; every character above
// code 31 before it, and every such character but the double quote after it, goes
// into the field. A double quote in an open field closes it when the line ends
// right after it, or when a comma follows (the comma is consumed). A doubled
// double quote stands for one and the field goes on; a double quote followed by
// anything else is kept as a character. The first-line check and the reader
// share these rules, so a file the check accepts is read as it was checked.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/store/store_messages.h"
#include "core/transfer/import_file_reader.h"
#include "core/transfer/import_list.h"

namespace wordsnap {

inline constexpr std::size_t kMaxAsciiField = 3000;

enum class FirstLineStatus : std::int32_t {
  Acceptable = 0,
  FieldTooLong = 1,      // a field of more than 3000 characters
  UnexpectedLineEnd = 2, // the line ended inside a field
  TooManyFields = 3,     // more than two fields
};

// Checks the first line of the file, read from its start.
FirstLineStatus GetFirstLine(ImportFileReader& file);

// Reads one record and, when it has a second field, appends it to the list. A
// field of a later line is never longer than 3001 characters: the rest of it is
// left out, and the one character over the limit makes the import's length check
// tell the user the text was cut. Each call consumes at least one character
// unless the file is at its end.
void ReadInRecord(ImportFileReader& file, ImportList& list);

// Every record of the file, read as the import reads them after the first-line check.
ImportList ReadAsciiDelimitedFile(std::string_view bytes);

// The refusal of a file whose first line is not acceptable.
StoreMessage FirstLineRefusalMessage(FirstLineStatus status);

inline constexpr const char* kAsciiImportNotice =
    "By its very nature, an ASCII Delimited import is limited to simple text replacements--replacement "
    "text cannot span multiple lines.  Click OK if you wish to continue.";

}  // namespace wordsnap
