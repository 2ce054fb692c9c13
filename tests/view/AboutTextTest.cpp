// The about box's version line.
#include <gtest/gtest.h>

#include "VorpaVersion.h"
#include "view/AboutText.h"

namespace vorpa {
namespace {

TEST(VersionLabelText, CutAtTheThirdDot) {
  EXPECT_EQ(VersionLabelText("2.1.0.15"), "Version 2.1.0");
  EXPECT_EQ(VersionLabelText("1.2.3.4.5"), "Version 1.2.3");
  EXPECT_EQ(VersionLabelText("1.2.3"), "Version 1.2.3");
  EXPECT_EQ(VersionLabelText("7"), "Version 7");
  EXPECT_EQ(VersionLabelText(""), "");
}

TEST(VersionLabelText, OfTheProjectVersion) {
  EXPECT_EQ(VersionLabelText(VORPA_VERSION), "Version 1.0.0");
}

}  // namespace
}  // namespace vorpa
