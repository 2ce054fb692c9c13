// The about box's version line.
#include <gtest/gtest.h>

#include "VorpaVersion.h"
#include "view/AboutText.h"

namespace vorpa {
namespace {

TEST(VersionLabelText, TheWholeVersionAsTheCommandLinePrintsIt) {
  EXPECT_EQ(VersionLabelText("2.1.0.15"), "Version 2.1.0.15");
  EXPECT_EQ(VersionLabelText(VORPA_VERSION), std::string("Version ") + VORPA_VERSION);
  EXPECT_EQ(VersionLabelText(""), "");
}

}  // namespace
}  // namespace vorpa
