#include "core/spell/spell_engine.h"

#include <gtest/gtest.h>

#include <cstring>

#include "spell/spell_fixture.h"

namespace wordsnap::spell {
namespace {

class SpellEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files.files["main.tlx"] = SampleMain().Serialise();
    files.files["changes.clx"] = SampleChanges().Serialise();
    session = engine.OpenSession();
    ASSERT_GT(session, 0);
    ASSERT_GT(engine.OpenLex(session, "main.tlx", -1), 0);
    ASSERT_GT(engine.OpenLex(session, "changes.clx", -1), 0);
  }

  // Opens `text` as a block in `buffer` with `spare` characters to grow into.
  std::int16_t Open(const std::string& text, std::size_t spare) {
    buffer.assign(text.size() + 1 + spare, '#');
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    return engine.OpenBlock(session, buffer.data(), static_cast<std::int32_t>(text.size() + 1),
                            static_cast<std::int32_t>(text.size() + 1 + spare), 0);
  }

  std::int16_t Check(std::int16_t block) {
    return engine.CheckBlock(session, block, 128, word, sizeof word, replacement, sizeof replacement);
  }

  MemorySpellFiles files;
  SpellEngine engine{files};
  std::int16_t session = 0;
  std::vector<char> buffer;
  char word[50] = {};
  char replacement[50] = {};
};

TEST_F(SpellEngineTest, ChecksABlockInPlaceWordByWord) {
  const std::int16_t block = Open("The quikc brown fox, recieve it. Don't <MM/DD/YY{NP007}> 42x", 200);
  ASSERT_GT(block, 0);

  ASSERT_EQ(Check(block), kCheckUnknownWord);
  EXPECT_STREQ(word, "quikc");
  ASSERT_EQ(Check(block), kCheckUnknownWord);  // not moved on: the same word again
  ASSERT_EQ(engine.ReplaceBlockWord(session, block, "quickest"), 0);
  EXPECT_STREQ(buffer.data(), "The quickest brown fox, recieve it. Don't <MM/DD/YY{NP007}> 42x");

  ASSERT_EQ(Check(block), kCheckAutoChange);
  EXPECT_STREQ(replacement, "receive");
  ASSERT_EQ(engine.ReplaceBlockWord(session, block, replacement), 0);

  EXPECT_EQ(Check(block), kCheckEndOfBlock);
  EXPECT_STREQ(buffer.data(), "The quickest brown fox, receive it. Don't <MM/DD/YY{NP007}> 42x");
}

TEST_F(SpellEngineTest, IgnoredWordIsPassedAndOfferedAgainLater) {
  const std::int16_t block = Open("zorp the zorp", 10);
  ASSERT_EQ(Check(block), kCheckUnknownWord);
  ASSERT_EQ(engine.NextBlockWord(session, block), 0);
  ASSERT_EQ(Check(block), kCheckUnknownWord);
  EXPECT_STREQ(word, "zorp");
  ASSERT_EQ(engine.NextBlockWord(session, block), 0);
  EXPECT_EQ(Check(block), kCheckEndOfBlock);
  EXPECT_STREQ(buffer.data(), "zorp the zorp");
}

TEST_F(SpellEngineTest, ReplacementBeyondTheCapacityIsRefusedAndTheTextKept) {
  const std::int16_t block = Open("zorp it", 3);
  ASSERT_EQ(Check(block), kCheckUnknownWord);
  EXPECT_EQ(engine.ReplaceBlockWord(session, block, "zorpless"), kErrorNoRoom);  // 4 more than the 3 spare
  EXPECT_STREQ(buffer.data(), "zorp it");
  EXPECT_EQ(buffer.back(), '#');
  ASSERT_EQ(engine.ReplaceBlockWord(session, block, "zorpies"), 0);  // exactly the 3 spare
  EXPECT_STREQ(buffer.data(), "zorpies it");
  EXPECT_EQ(Check(block), kCheckEndOfBlock);
  EXPECT_EQ(engine.ReplaceBlockWord(session, block, "x"), kErrorNoWord);
}

TEST_F(SpellEngineTest, NothingIsWrittenPastTheCallersBuffers) {
  // A word that does not fit the word buffer is passed over, not cut.
  const std::int16_t block = Open("zorpzorp zorp", 0);
  char small[6] = {'#', '#', '#', '#', '#', '#'};
  ASSERT_EQ(engine.CheckBlock(session, block, 128, small, 5, replacement, 50), kCheckUnknownWord);
  EXPECT_STREQ(small, "zorp");
  EXPECT_EQ(small[5], '#');

  // A change whose correction does not fit is offered as an unknown word instead.
  const std::int16_t changes = Open("recieve", 0);
  char tiny[4] = {'#', '#', '#', '#'};
  ASSERT_EQ(engine.CheckBlock(session, changes, 128, word, 50, tiny, 3), kCheckUnknownWord);
  EXPECT_EQ(tiny[0], '#');

  // A block copied into the engine leaves the caller's text alone.
  std::string text = "zorp";
  const std::int16_t copied = engine.OpenBlock(session, text.data(), 5, 50, 1);
  ASSERT_EQ(engine.CheckBlock(session, copied, 128, word, 50, replacement, 50), kCheckUnknownWord);
  ASSERT_EQ(engine.ReplaceBlockWord(session, copied, "a much longer word"), 0);
  EXPECT_EQ(text, "zorp");

  EXPECT_EQ(engine.OpenBlock(session, nullptr, 1, 1, 0), kErrorArgument);
  EXPECT_EQ(engine.OpenBlock(session, text.data(), 5, 4, 0), kErrorArgument);  // capacity below the length
  EXPECT_EQ(engine.Suggest(session, nullptr, -1, word, 50, nullptr, 0), kErrorArgument);
}

TEST_F(SpellEngineTest, SuggestionsFillTheBufferAsNulSeparatedListClosedByAnEmptyText) {
  char list[500];
  std::int16_t scores[30] = {};
  ASSERT_GT(engine.Suggest(session, "Teh", -1, list, sizeof list, scores, 30), 0);
  EXPECT_STREQ(list, "The");
  EXPECT_GT(scores[0], 0);

  // A buffer too small for the first suggestion still closes the (empty) list.
  char small[3] = {'x', 'x', 'x'};
  EXPECT_EQ(engine.Suggest(session, "teh", -1, small, sizeof small, nullptr, 0), 0);
  EXPECT_EQ(small[0], '\0');
  char fits[5];
  EXPECT_EQ(engine.Suggest(session, "teh", -1, fits, sizeof fits, nullptr, 0), 1);
  EXPECT_EQ(std::string(fits, 5), std::string("the\0\0", 5));
}

TEST_F(SpellEngineTest, MissingOrDamagedListGivesANegativeHandle) {
  EXPECT_LT(engine.OpenLex(session, "nowhere.tlx", -1), 0);
  files.files["broken.tlx"] = "WSLX\x01";
  EXPECT_LT(engine.OpenLex(session, "broken.tlx", -1), 0);
  EXPECT_LT(engine.OpenLex(999, "main.tlx", -1), 0);
  EXPECT_LT(engine.CheckBlock(session, 77, 128, word, 50, replacement, 50), 0);
}

TEST_F(SpellEngineTest, UserListsAreCreatedAddedToAndReadBack) {
  const std::int16_t made = engine.CreateLex(session, "IncEngl.tlx", 1, 1033);
  ASSERT_GT(made, 0);
  ASSERT_TRUE(files.files.contains("IncEngl.tlx"));  // the empty list is on disk at once
  ASSERT_EQ(engine.AddToLex(session, made, "zorp", ""), 0);
  ASSERT_EQ(engine.AddToLex(session, made, "Wordsnap", ""), 0);
  ASSERT_EQ(engine.CloseLex(session, made), 0);

  const std::int16_t other = engine.OpenSession();
  const std::int16_t lex = engine.OpenLex(other, "IncEngl.tlx", 0);
  ASSERT_GT(lex, 0);
  std::int32_t size = 0;
  std::int16_t a = 0, kind = 0, language = 0;
  ASSERT_EQ(engine.GetLexInfo(other, lex, &size, &a, &kind, &language), 0);
  EXPECT_EQ(size, 14);
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(language, 1033);
  std::vector<char> words(static_cast<std::size_t>(size));
  EXPECT_EQ(engine.GetLex(other, lex, words.data(), size), 14);
  EXPECT_EQ(std::string(words.data(), words.size()), std::string("zorp\0Wordsnap\0", 14));
  EXPECT_EQ(engine.GetLex(other, lex, words.data(), size - 1), kErrorNoRoom);
  ASSERT_EQ(engine.CloseSession(other), 0);

  // The next check in the first session, with the list open, accepts the word.
  ASSERT_GT(engine.OpenLex(session, "IncEngl.tlx", -1), 0);
  const std::int16_t block = Open("zorp", 0);
  EXPECT_EQ(Check(block), kCheckEndOfBlock);
}

TEST_F(SpellEngineTest, ExcludeListMakesAListWordUnknown) {
  const std::int16_t exclude = engine.CreateLex(session, "ExcEngl.tlx", 3, 1033);
  ASSERT_EQ(engine.AddToLex(session, exclude, "brown", ""), 0);
  const std::int16_t block = Open("the brown fox", 0);
  ASSERT_EQ(Check(block), kCheckUnknownWord);
  EXPECT_STREQ(word, "brown");
}

TEST_F(SpellEngineTest, FailedWriteIsReported) {
  files.readOnly = true;
  EXPECT_LT(engine.CreateLex(session, "IncEngl.tlx", 1, 1033), 0);
  files.readOnly = false;
  const std::int16_t lex = engine.CreateLex(session, "IncEngl.tlx", 1, 1033);
  engine.AddToLex(session, lex, "zorp", "");
  files.readOnly = true;
  EXPECT_EQ(engine.CloseLex(session, lex), kErrorFile);
}

}  // namespace
}  // namespace wordsnap::spell
