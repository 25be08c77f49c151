// A record's send-method byte means the same in the options dialog and at playback,
// whatever value a file holds there.
#include <gtest/gtest.h>

#include "core/engine/output_plan.h"
#include "core/options/snap_options.h"
#include "core/settings/settings.h"
#include "core/store/wordsnap_record.h"

namespace wordsnap {
namespace {

TEST(SendMethod, OnlyOneIsTheClipboardForTheOptionsDialogAndForPlayback) {
  struct Case {
    std::uint8_t stored;
    bool clipboard;
  };
  const Case cases[] = {{0, false}, {1, true}, {2, false}, {127, false}, {128, false}, {255, false}};
  Settings individual;
  individual.clipSetting = kClipIndividual;
  for (const Case& c : cases) {
    WordsnapRecord record;
    record.ViaClipboard = c.stored;
    EXPECT_EQ(SendsViaClipboard(c.stored), c.clipboard) << int{c.stored};
    EXPECT_EQ(SnapOptionsAtShow(record).sendRadio == SendRadio::Clipboard, c.clipboard) << int{c.stored};
    EXPECT_EQ(TakesClipboardWay(record, individual), c.clipboard) << int{c.stored};
  }
}

}  // namespace
}  // namespace wordsnap
