// The "Prefix and Suffix Keys" command: the dialog, then the data file, the
// settings, the hint program and the matcher brought in line with its choices.
#include "MainWin.h"
#include "SettingsSave.h"
#include "core/hint/hint_protocol.h"
#include "core/settings/settings_file.h"
#include "core/store/data_file_operations.h"
#include "options.h"

namespace wordsnap {

void TMainWin::MenuPrefixClick() {
  const auto result =
      RunOptions(window_, state_.dialogs.wordsnapOptions, state_.settings, state_.store.prefixKeys);
  if (result) {
    if (result->prefixKeysChanged)
      ShowStoreMessage(ChangePrefixInFile(state_.store, files_, state_.settings.currentFile).message);
    SaveSettingsTelling(window_, state_, profiles_);
    switch (result->hint) {
      case HintFollowUp::MoveTo:
        hint_.Post(HintCommand::Position, state_.settings.hintPosition);
        break;
      case HintFollowUp::Launch:
        LaunchPrompt();
        break;
      case HintFollowUp::Close:
        hint_.Post(HintCommand::Close);
        break;
      case HintFollowUp::None:
        break;
    }
  }
  SetPrefixHint(PrefixButtonHint(state_.settings.useSuffix, state_.store.prefixKeys));
  engine_->SetPref();
}

}  // namespace wordsnap
