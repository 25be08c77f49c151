// Program entry: one copy per desktop, the program directory, the settings, the
// main window and the message loop.
#include <windows.h>

#include <string>
#include <vector>

#include "CommonControls.h"
#include "KernelObjects.h"
#include "MainWin.h"
#include "MessageBoxes.h"
#include "core/app_state.h"
#include "core/paths.h"
#include "core/settings/file_locations.h"
#include "core/settings/settings_file.h"
#include "core/version.h"
#include "platform/win32/win32_data_file.h"
#include "platform/win32/win32_file_location_probe.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_sync_file.h"

namespace {

// The main window's shortcuts belong to it and its controls. Keys typed in another window
// of this thread, such as the help window, are that window's own: Ctrl+X there must not
// end the program.
bool ForMainWindow(HWND mainWindow, HWND target) { return target == mainWindow || IsChild(mainWindow, target); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  using namespace wordsnap;
  InitCommonControlClasses();
  if (InstanceMarkerExists()) {
    ShowMessage(nullptr, std::string(kProgramTitle) + " is already running.", "");
    return 0;
  }
  HANDLE marker = CreateInstanceMarker();

  AppState state;
  char programPath[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, programPath, MAX_PATH);
  state.programDir = DirectoryOf(programPath).substr(0, 255);

  Win32FileLocationProbe disk;
  const FileLocations locations = ResolveFileLocations(disk, state.programDir);
  state.userFilesDir = locations.userFilesDir;
  state.settingsFile = locations.settingsFile;

  Win32ProfileStore profileFiles;
  RelocatedProfileStore profiles(profileFiles, locations.settingsFile);
  Win32DataFileAccess files;
  Win32SyncFileAccess syncFiles;
  Win32LocalClock clock;
  LoadSettings(state.settings, profiles, state.userFilesDir);

  int exitCode = 0;
  {
    std::vector<std::string> arguments(__argv + (__argc > 0 ? 1 : 0), __argv + __argc);
    TMainWin mainWin(state, {profiles, files, syncFiles, clock}, showCommand, std::move(arguments));
    if (mainWin.Create(instance)) {
      MSG message;
      while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!ForMainWindow(mainWin.Handle(), message.hwnd) ||
            !TranslateAcceleratorA(mainWin.Handle(), mainWin.Accelerators(), &message)) {
          TranslateMessage(&message);
          DispatchMessageA(&message);
        }
      }
      exitCode = static_cast<int>(message.wParam);
    }
  }
  if (marker != nullptr) CloseHandle(marker);
  return exitCode;
}
