// The "Prefix and Suffix Keys" command: the dialog, then the data file, the
// settings, the hint program and the matcher brought in line with its choices.
#include "MainWin.h"
#include "SettingsSave.h"
#include "core/hint/hint_protocol.h"
#include "core/settings/settings_file.h"
#include "core/store/prefix_keys_change.h"
#include "options.h"

namespace wordsnap {

void TMainWin::MenuPrefixClick() {
  // The dialog's keys come into force only together with the data file's, under the network lock.
  std::string keys = state_.store.prefixKeys;
  const auto result = RunOptions(window_, state_.dialogs.wordsnapOptions, state_.settings, keys);
  if (result) {
    if (result->prefixKeysChanged)
      ShowStoreMessage(ChangePrefixKeys(*this, state_.store, files_, state_.settings.currentFile, keys).message);
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
