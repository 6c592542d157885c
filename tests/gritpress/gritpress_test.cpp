#include <gtest/gtest.h>

TEST(GritpressPlaceholder, Builds) { SUCCEED(); }
