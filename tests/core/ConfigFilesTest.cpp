// What start-up finds of the settings and remark files, and their ".bad"
// copies.
#include "core/ConfigFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

// Bytes with no line the INI or remark reader takes: no "[", no "=", no ",".
std::string RandomBytes() {
  std::string bytes;
  unsigned x = 12345;
  for (int i = 0; i < 600; ++i) {
    x = x * 1103515245u + 12345u;
    char c = static_cast<char>(x >> 16);
    if (c == '[' || c == '=' || c == ',') c = 'x';
    bytes += c;
  }
  return bytes;
}

TEST(ConfigFiles, StatesOfTheSettingFile) {
  test::TempDir dir;
  EXPECT_EQ(SettingFileState(dir.Path()), TConfigFileState::Missing);
  WriteFileBytes(dir.File("Vorpa.Ini"), "");
  EXPECT_EQ(SettingFileState(dir.Path()), TConfigFileState::Readable);
  WriteFileBytes(dir.File("Vorpa.Ini"), "[WindowInfo]\r\nWinWidth=1000\r\n");
  EXPECT_EQ(SettingFileState(dir.Path()), TConfigFileState::Readable);
  WriteFileBytes(dir.File("Vorpa.Ini"), "[other]\r\nINetID=AB\r\nno line\r\n");
  EXPECT_EQ(SettingFileState(dir.Path()), TConfigFileState::NothingReadable);
  WriteFileBytes(dir.File("Vorpa.Ini"), RandomBytes());
  EXPECT_EQ(SettingFileState(dir.Path()), TConfigFileState::NothingReadable);
  std::filesystem::remove(dir.File("Vorpa.Ini"));
  std::filesystem::create_directory(dir.File("Vorpa.Ini"));
  EXPECT_EQ(SettingFileState(dir.Path()), TConfigFileState::NotReadable);
}

TEST(ConfigFiles, StatesOfTheRemarkFile) {
  test::TempDir dir;
  EXPECT_EQ(RemarkFileState(dir.Path()), TConfigFileState::Missing);
  WriteFileBytes(dir.File("VorpaRemark.txt"), "ABC,FFFFFF,800000\r\n");
  EXPECT_EQ(RemarkFileState(dir.Path()), TConfigFileState::Readable);
  WriteFileBytes(dir.File("VorpaRemark.txt"), RandomBytes());
  EXPECT_EQ(RemarkFileState(dir.Path()), TConfigFileState::NothingReadable);
}

TEST(ConfigFiles, KeepAsBadCopiesByteForByte) {
  test::TempDir dir;
  const std::string bytes = RandomBytes() + std::string("\0\r\n\xFF", 4);
  WriteFileBytes(dir.File("Vorpa.Ini"), bytes);
  ASSERT_TRUE(KeepAsBad(dir.File("Vorpa.Ini")));
  EXPECT_EQ(ReadFileBytes(dir.File("Vorpa.Ini.bad")), bytes);
  EXPECT_EQ(ReadFileBytes(dir.File("Vorpa.Ini")), bytes);
  EXPECT_FALSE(KeepAsBad(dir.File("missing")));
}

}  // namespace
}  // namespace vorpa
