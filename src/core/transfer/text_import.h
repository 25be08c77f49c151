#pragma once
// Reading a text file in the export's format into the import list.
//
// The first line must begin with the name-line marker; the rest of it (of its
// first 255 characters) is the first name. The text is then read in line
// buffers, each line with the CR LF that ended the line before it, except the
// first line after a name line, which is read without it and always belongs to
// the text. A later buffer that begins with CR LF and the marker is a name line:
// it ends the current Wordsnap (losing the line break before it) and names the
// next. Everything else is added to the text, line breaks and all.
//
// A line buffer holds 3001 characters: the characters of a longer line after the
// 3000th each replace the last one. The collected text holds 5000 characters and
// leaves out the rest; the import's length check then tells the user it was cut.

#include <string>
#include <string_view>

#include "core/store/store_messages.h"
#include "core/transfer/import_list.h"

namespace wordsnap {

inline constexpr std::size_t kTextLineBuffer = 3001;
inline constexpr std::size_t kCollectedText = 5000;
inline constexpr std::size_t kNameLineRead = 255;

inline constexpr const char* kTextImportNotice =
    "The import of a text file requires the text file to be in a specific format. Improper format will cause "
    "unpredictable results.  See the help file for proper format.  Click OK if you wish to continue.";

struct TextImportRead {
  bool formatOk = true;  // false: the first line does not begin with the marker; nothing is read
  ImportList list;       // empty for an empty file
};

TextImportRead ReadTextImportFile(std::string_view bytes);

// "The text file chosen does not appear to have the correct format required by Wordsnaps."
StoreMessage WrongTextFormatMessage();

}  // namespace wordsnap
