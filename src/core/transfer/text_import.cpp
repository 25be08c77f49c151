#include "core/transfer/text_import.h"

#include "core/transfer/import_file_reader.h"
#include "core/transfer/text_format.h"

namespace wordsnap {
namespace {

// Reads one line buffer. Right after a name line, the line break that ended it
// (a CR, and an LF when one follows) is left out.
std::string ReadLineBuffer(ImportFileReader& file, bool afterNameLine) {
  std::string buffer;
  if (file.AtFileEnd()) return buffer;
  if (afterNameLine && file.Peek() == kCarriageReturn) {
    file.Get();
    if (!file.AtEnd() && file.Peek() == kLineFeed) file.Get();
    if (file.AtLineEnd()) return buffer;
  }
  do {
    const char c = file.Get();
    if (buffer.size() < kTextLineBuffer) {
      buffer.push_back(c);
    } else {
      buffer.back() = c;
    }
  } while (!file.AtLineEnd());
  return buffer;
}

bool IsNameLine(std::string_view buffer) {
  return buffer.starts_with(kLineBreak) && buffer.substr(kLineBreak.size()).starts_with(kItemNameMarker);
}

std::string_view NameOfNameLine(std::string_view buffer) {
  return buffer.substr(0, kNameLineRead).substr(kLineBreak.size() + kItemNameMarker.size());
}

void AppendCollected(std::string& text, std::string_view buffer) {
  if (text.size() < kCollectedText) text.append(buffer.substr(0, kCollectedText - text.size()));
}

}  // namespace

TextImportRead ReadTextImportFile(std::string_view bytes) {
  TextImportRead read;
  ImportFileReader file(bytes);
  if (file.AtFileEnd()) return read;

  std::string firstLine;
  while (!file.AtLineEnd()) {
    const char c = file.Get();
    if (firstLine.size() < kNameLineRead) firstLine.push_back(c);
  }
  if (!firstLine.starts_with(kItemNameMarker)) {
    read.formatOk = false;
    return read;
  }

  std::string name = firstLine.substr(kItemNameMarker.size());
  std::string text;
  bool afterNameLine = true;
  for (;;) {
    const std::string buffer = ReadLineBuffer(file, afterNameLine);
    if (!afterNameLine && IsNameLine(buffer)) {
      AddImportEntry(read.list, name, text);
      name = NameOfNameLine(buffer);
      text.clear();
      afterNameLine = true;
    } else {
      AppendCollected(text, buffer);
      afterNameLine = false;
    }
    if (file.AtFileEnd()) break;
  }
  AddImportEntry(read.list, name, text);
  return read;
}

StoreMessage WrongTextFormatMessage() {
  return {"The text file chosen does not appear to have the correct format required by Wordsnaps.", kCaptionError};
}

}  // namespace wordsnap
