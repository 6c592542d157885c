#include <gtest/gtest.h>

TEST(FernwrightPlaceholder, Builds) { SUCCEED(); }
