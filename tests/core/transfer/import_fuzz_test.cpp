// Random bytes into both import readers and on through the pipeline: nothing may
// crash or trip the sanitizers, and what comes out keeps the readers' limits.
#include <gtest/gtest.h>

#include <random>

#include "core/settings/settings.h"
#include "core/transfer/ascii_import.h"
#include "core/transfer/text_import.h"
#include "transfer/transfer_fixture.h"

namespace wordsnap::transfer_test {
namespace {

// Bytes with the characters the readers decide on made frequent.
std::string RandomFile(std::mt19937& random, std::size_t maxLength) {
  static const std::string kPieces[] = {"\"", ",", "\r", "\n", "\r\n", "\x1a", "\t", "\x02", "<ITEM NAME>",
                                        "\r\n<ITEM NAME>", "\"\"", "\",\""};
  const std::size_t length = random() % (maxLength + 1);
  std::string bytes;
  while (bytes.size() < length) {
    const unsigned pick = random() % 4;
    if (pick == 0) {
      bytes += kPieces[random() % std::size(kPieces)];
    } else if (pick == 1) {
      bytes.append(random() % 4000, static_cast<char>('a' + random() % 26));
    } else {
      bytes += static_cast<char>(random() % 256);
    }
  }
  return bytes;
}

void CheckAsciiEntries(const ImportList& list) {
  for (const auto& item : list) {
    ASSERT_LE(item.Name().size(), kMaxAsciiField + 1);
    ASSERT_LE(item.Text().size(), kMaxAsciiField + 1);
    for (const char c : item.entry.substr(0, item.nameLength) + item.entry.substr(item.nameLength + 1)) {
      ASSERT_GT(static_cast<unsigned char>(c), 31) << "no control character enters a field";
    }
  }
}

void CheckTextEntries(const ImportList& list) {
  for (const auto& item : list) {
    ASSERT_LE(item.Name().size(), kNameLineRead);
    ASSERT_LE(item.Text().size(), kCollectedText);
  }
}

TEST_F(TransferTest, RandomBytesThroughBothReadersAndThePipeline) {
  std::mt19937 random(20261210);
  Load();
  for (int round = 0; round < 600; ++round) {
    const std::string bytes = RandomFile(random, round % 50 == 0 ? 60000 : 3000);

    ImportFileReader firstLine(bytes);
    const auto status = static_cast<std::int32_t>(GetFirstLine(firstLine));
    ASSERT_GE(status, 0);
    ASSERT_LE(status, 3);
    ImportList ascii = ReadAsciiDelimitedFile(bytes);
    CheckAsciiEntries(ascii);

    TextImportRead text = ReadTextImportFile(bytes);
    if (!text.formatOk) {
      ASSERT_TRUE(text.list.empty());
    }
    CheckTextEntries(text.list);
    // The same bytes behind the marker always read as a text file.
    TextImportRead marked = ReadTextImportFile("<ITEM NAME>" + bytes);
    ASSERT_TRUE(marked.formatOk);
    ASSERT_FALSE(marked.list.empty());
    CheckTextEntries(marked.list);

    if (round % 10 == 0) {
      host.answers.assign(64, (round / 10) % 2 == 0);
      const std::int32_t mode = 1 + round / 10 % 3;
      AddImportList(ascii, mode, Target(), host);
      AddImportList(marked.list, mode, Target(), host);
      ASSERT_EQ(store.recordCount, RecordsInFile());
      ASSERT_EQ(static_cast<std::int32_t>(CountNodes(store.tree)), store.recordCount);
      for (std::size_t n = 1; n <= static_cast<std::size_t>(RecordsInFile()); ++n) {
        const WordsnapRecord record = Record(n);
        ASSERT_LE(record.Name.size(), kMaxNameLength);
        ASSERT_LE(record.ReplacementText.size(), kMaxReplacementText);
      }
    }
  }
}

}  // namespace
}  // namespace wordsnap::transfer_test
