// A sync file of any bytes under two copies that take, renew and release the lock
// in the order the input chooses, with the clock moving as it says.

#include "core/sync/network_sync.h"
#include "fuzz_input.h"
#include "sync/fake_sync_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  const int steps = input.Byte() % 16;
  const std::string script = input.Bytes(static_cast<std::size_t>(steps) * 2);
  testing::FakeSyncFiles files;
  const std::vector<std::uint8_t> content = input.RestBytes();
  files.Files["S:\\KEY.WSY"] = content;
  DecodeSyncRecord(content);

  testing::FakeClock clock;
  SyncState copies[2];
  for (SyncState& copy : copies) AttachSyncFile(copy, files, "S:\\KEY.WSN");
  fuzz::FuzzInput steps_(reinterpret_cast<const std::uint8_t*>(script.data()), script.size());
  for (int i = 0; i < steps; ++i) {
    const std::uint8_t step = steps_.Byte();
    SyncState& copy = copies[step & 1];
    switch ((step >> 1) % 5) {
      case 0:
        FileInUse(copy, files, clock, true);
        break;
      case 1:
        ReleaseSyncFile(copy, files, true, step >> 7);
        break;
      case 2:
        NetTimerTick(copy, files, clock);
        break;
      case 3:
        files.Files["S:\\KEY.WSY"].resize(steps_.Byte() % 20);  // a torn write
        break;
      default:
        clock.AdvanceSeconds(steps_.Byte());
        break;
    }
  }
  return 0;
}
