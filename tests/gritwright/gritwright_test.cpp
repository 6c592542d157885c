#include <gtest/gtest.h>

TEST(GritwrightPlaceholder, Builds) { SUCCEED(); }
