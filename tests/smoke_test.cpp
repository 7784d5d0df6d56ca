#include <gtest/gtest.h>

#include "telmira.h"

TEST(Smoke, StartsHeadless) {
    platform::Options o;
    o.headless = true;
    o.keep_trace = true;
    platform::Platform p(o);
    Telmira t(p, "Telmira"_sj);
    EXPECT_EQ(t.run(), 0);
    EXPECT_EQ(t.KAIX, 1056);
}
