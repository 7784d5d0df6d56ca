#include <gtest/gtest.h>

#include "harness.h"
#include "orvane.h"
#include "telmira.h"

TEST(Programs, StartAndEndWhenTheScriptRunsOut) {
    EXPECT_EQ(harness::run_program<Telmira>("", "Telmira").status, 0);
    EXPECT_EQ(harness::run_program<Orvane>("", "Orvane").status, 0);
}
