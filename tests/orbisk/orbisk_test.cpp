#include <gtest/gtest.h>

TEST(OrbiskPlaceholder, Builds) { SUCCEED(); }
