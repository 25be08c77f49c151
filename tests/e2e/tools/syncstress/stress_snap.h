#pragma once
// The Wordsnap that worker w adds as its n-th: every field follows from w and n,
// so the test can tell each record apart and check that it arrived whole.
// test_sync_stress.py builds the same records; the two must agree.

#include "core/store/wordsnap_record.h"

namespace wordsnap::stress {

WordsnapRecord StressSnap(int worker, int number);

}  // namespace wordsnap::stress
