#include "core/engine/elevated_target.h"

namespace wordsnap {

bool TargetRefusesOurKeys(const TargetWindow& target) {
  return target.integrity && target.ownIntegrity && *target.integrity > *target.ownIntegrity;
}

TargetAction ElevatedTargetRule::Decide(const TargetWindow& target) {
  if (!TargetRefusesOurKeys(target)) return TargetAction::Play;
  return told_.insert(target.id).second ? TargetAction::SkipAndTell : TargetAction::Skip;
}

}  // namespace wordsnap
