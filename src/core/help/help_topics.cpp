#include "core/help/help_topics.h"

namespace wordsnap {

std::string_view HelpTopicHeading(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::DateFormat: return "Date Format";
    case HelpTopic::TimeFormat: return "Time Format";
    case HelpTopic::Contents: break;
  }
  return {};
}

std::string_view HelpTopicKeyword(HelpTopic topic) { return HelpTopicHeading(topic); }

HelpRoute ChooseHelpRoute(bool oldHelpFilePresent, bool oldHelpRefused, bool manualPresent) {
  if (oldHelpFilePresent && !oldHelpRefused) return HelpRoute::OldHelpFile;
  return manualPresent ? HelpRoute::ManualWindow : HelpRoute::Missing;
}

}  // namespace wordsnap
