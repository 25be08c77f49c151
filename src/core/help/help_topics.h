#pragma once
// Which help a user gets, and where in it. The program's help file of old
// ("WORDSNAP.HLP") is used where it is present and the system can still show it;
// otherwise the manual the program ships ("WORDSNAP.DOC") is shown in the program's
// own help window, at the topic asked for.

#include <string_view>

namespace wordsnap {

inline constexpr const char* kOldHelpFileName = "WORDSNAP.HLP";
// The manual as a web page, for the tray menu's home page.
inline constexpr const char* kManualPageFileName = "WORDSNAP.HTM";

// Said when neither the manual nor the old help file is where the program looks.
inline constexpr const char* kManualMissingMessage =
    "The User Manual could not be located.  Please make sure the user manual was installed.";

enum class HelpTopic { Contents, DateFormat, TimeFormat };

// The manual's heading of the topic; empty for its contents (the start).
std::string_view HelpTopicHeading(HelpTopic topic);
// The keyword the old help file knows the topic by (HELP_KEY); empty for contents.
std::string_view HelpTopicKeyword(HelpTopic topic);

enum class HelpRoute {
  OldHelpFile,   // ask the system's help engine for the old help file
  ManualWindow,  // show the manual in the program's help window
  Missing,       // neither is there: say the manual could not be located
};

// The first way to try. When the old help engine refuses (today's Windows has none),
// the caller asks again with oldHelpRefused set.
HelpRoute ChooseHelpRoute(bool oldHelpFilePresent, bool oldHelpRefused, bool manualPresent);

}  // namespace wordsnap
