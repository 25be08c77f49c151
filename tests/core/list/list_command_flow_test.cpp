#include "core/list/list_command_flow.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/store/data_file_operations.h"

namespace wordsnap {
namespace {

// Answers each step as told and records the steps in order.
struct ScriptedHost : ListCommandHost {
  bool refuseRow = false;
  bool lockTaken = true;
  std::optional<std::int32_t> selected = 7;
  bool readOk = true;
  bool editorOk = true;
  bool writeOk = true;
  bool confirmed = true;
  std::vector<std::string> steps;

  bool TakeLock() override { return Step("lock", lockTaken); }
  void ReleaseLock(bool changed) override { steps.push_back(changed ? "release changed" : "release"); }
  bool RefuseRowCommand() override { return Step("refuse?", refuseRow); }
  std::optional<std::int32_t> SelectedRecordNo() override {
    steps.push_back("row");
    return selected;
  }
  bool ReadRecord(std::int32_t n) override { return Step("read " + std::to_string(n), readOk); }
  bool RunEditor(bool editMode) override { return Step(editMode ? "edit" : "edit new", editorOk); }
  bool WriteRecord(std::int32_t n) override {
    return Step(n == kAppendRecord ? "append" : "write " + std::to_string(n), writeOk);
  }
  bool ConfirmDelete() override { return Step("confirm", confirmed); }
  bool RemoveRecord(std::int32_t n) override { return Step("remove " + std::to_string(n), writeOk); }
  bool ToggleActive(std::int32_t n) override { return Step("toggle " + std::to_string(n), writeOk); }

  bool Step(const std::string& name, bool answer) {
    steps.push_back(name);
    return answer;
  }
};

struct FlowCase {
  const char* name;
  void (*command)(ListCommandHost&);
  std::function<void(ScriptedHost&)> setUp;
  std::vector<std::string> steps;
};

TEST(ListCommandFlow, EveryWayThroughReleasesTheLockItTookAndReportsOnlyWrites) {
  const std::vector<FlowCase> cases = {
      {"add written", RunAddCommand, [](ScriptedHost&) {}, {"lock", "edit new", "append", "release changed"}},
      {"add, lock refused", RunAddCommand, [](ScriptedHost& h) { h.lockTaken = false; }, {"lock"}},
      {"add cancelled", RunAddCommand, [](ScriptedHost& h) { h.editorOk = false; },
       {"lock", "edit new", "release"}},
      {"add, write failed", RunAddCommand, [](ScriptedHost& h) { h.writeOk = false; },
       {"lock", "edit new", "append", "release"}},

      {"edit written", RunModifyCommand, [](ScriptedHost&) {},
       {"refuse?", "lock", "row", "read 7", "edit", "write 7", "release changed"}},
      {"edit, no row", RunModifyCommand, [](ScriptedHost& h) { h.refuseRow = true; }, {"refuse?"}},
      {"edit, row gone in the reload", RunModifyCommand, [](ScriptedHost& h) { h.selected.reset(); },
       {"refuse?", "lock", "row", "refuse?", "release"}},
      {"edit, read failed", RunModifyCommand, [](ScriptedHost& h) { h.readOk = false; },
       {"refuse?", "lock", "row", "read 7", "release"}},
      {"edit cancelled", RunModifyCommand, [](ScriptedHost& h) { h.editorOk = false; },
       {"refuse?", "lock", "row", "read 7", "edit", "release"}},

      {"delete confirmed", RunDeleteCommand, [](ScriptedHost&) {},
       {"refuse?", "lock", "row", "read 7", "confirm", "remove 7", "release changed"}},
      {"delete declined", RunDeleteCommand, [](ScriptedHost& h) { h.confirmed = false; },
       {"refuse?", "lock", "row", "read 7", "confirm", "release"}},
      {"delete, lock refused", RunDeleteCommand, [](ScriptedHost& h) { h.lockTaken = false; },
       {"refuse?", "lock"}},

      {"activate written", RunActivateCommand, [](ScriptedHost&) {},
       {"refuse?", "lock", "row", "toggle 7", "release changed"}},
      {"activate, write failed", RunActivateCommand, [](ScriptedHost& h) { h.writeOk = false; },
       {"refuse?", "lock", "row", "toggle 7", "release"}},
  };
  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedHost host;
    c.setUp(host);
    c.command(host);
    EXPECT_EQ(host.steps, c.steps);
  }
}

// Releases on the way out even when a step throws.
TEST(NetworkLock, ReleasesWhenTheCommandThrows) {
  struct Owner : NetworkLockOwner {
    bool TakeLock() override { return true; }
    void ReleaseLock(bool changed) override { released = changed ? 2 : 1; }
    int released = 0;
  } owner;
  try {
    NetworkLock lock(owner);
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(owner.released, 1);
}

}  // namespace
}  // namespace wordsnap
