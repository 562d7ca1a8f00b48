#include "HexImage.h"
#include "nexboot.h"

#include <gtest/gtest.h>

namespace {

using nexboot::ParseIntelHex;

TEST(HexImageTest, ReadsDataAtSegmentAndLinearAddressesAndIgnoresWhatFollowsTheEnd) {
  const std::string text =
      ":0400100001020304E2\r\n"
      "\n"
      ":020000021000EC\n"      // segment base 0x10000
      ":02000400AABB95\n"      // data at 0x10004
      ":020000040F00EB\n"      // linear base 0x0F000000
      ":0100FF00CC34\n"        // data at 0x0F0000FF
      ":0400000500000000F7\n"  // start address: ignored
      ":00000001FF\n"
      "      \n          garbage after the end";
  nexboot::stHexImage image = ParseIntelHex(text);
  ASSERT_EQ(image.error, 0);
  ASSERT_EQ(image.data.size(), 3u);
  EXPECT_EQ(image.data[0].address, 0x10u);
  EXPECT_EQ(image.data[0].bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(image.data[1].address, 0x10004u);
  EXPECT_EQ(image.data[1].bytes, (std::vector<std::uint8_t>{0xAA, 0xBB}));
  EXPECT_EQ(image.data[2].address, 0x0F0000FFu);
}

TEST(HexImageTest, RefusesMalformedImagesNamingTheLine) {
  struct Case {
    const char* text;
    int error;
    int line;
  } cases[] = {
      {":0400100001020304E3\n:00000001FF\n", NB_LOAD_BAD_CHECKSUM, 1},
      {":0400100001020304E2\n0400100001020304E2\n", NB_LOAD_BAD_RECORD, 2},  // no colon
      {":0400100001020G04E2\n:00000001FF\n", NB_LOAD_BAD_RECORD, 1},         // not hex
      {":0500100001020304E2\n:00000001FF\n", NB_LOAD_BAD_RECORD, 1},         // count too long
      {":0400100001020304E\n:00000001FF\n", NB_LOAD_BAD_RECORD, 1},          // odd digits
      {":0400100601020304DC\n:00000001FF\n", NB_LOAD_BAD_RECORD, 1},         // unknown type
      {":03000004000000F9\n:00000001FF\n", NB_LOAD_BAD_RECORD, 1},           // linear base of 3 bytes
      {":0400100001020304E2\n", NB_LOAD_NO_END_RECORD, 1},
      {":00000001FF\n", NB_LOAD_EMPTY, 1},
      {"", NB_LOAD_NO_END_RECORD, 0},
  };
  for (const Case& c : cases) {
    nexboot::stHexImage image = ParseIntelHex(c.text);
    EXPECT_EQ(image.error, c.error) << c.text;
    EXPECT_EQ(image.line, c.line) << c.text;
    EXPECT_TRUE(image.data.empty()) << c.text;
  }
}

}  // namespace
