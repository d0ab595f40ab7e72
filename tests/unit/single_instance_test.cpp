#include "app/single_instance.h"

#include <gtest/gtest.h>

// A second start can ask for the window while this program is still starting
// (its notice open, its first attach waiting), before the window listens: it is
// shown once the window listens, and only once.
TEST(SingleInstance, AStartDuringStartUpIsActedOnOnceTheWindowListens) {
    SingleInstance instance;
    int shown = 0;
    instance.Activate({});
    instance.listen([&] { ++shown; });
    EXPECT_EQ(shown, 1);
    instance.Activate({});
    EXPECT_EQ(shown, 2);
}
