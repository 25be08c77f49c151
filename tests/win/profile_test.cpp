#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"

TEST(Win32Profile, PlaceholderRoundTrip) { SUCCEED(); }
