#include "core/engine/elevated_target.h"

namespace wordsnap {

TargetAction ElevatedTargetRule::Decide(const TargetWindow& target) {
  if (!target.elevated || target.selfElevated) return TargetAction::Play;
  return told_.insert(target.id).second ? TargetAction::SkipAndTell : TargetAction::Skip;
}

}  // namespace wordsnap
