// Entry of the tests without windows: a home of their own, then every test.
#include <gtest/gtest.h>

#include "support/OwnHome.h"

int main(int argc, char** argv) {
  vorpa::test::UseOwnHome();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
