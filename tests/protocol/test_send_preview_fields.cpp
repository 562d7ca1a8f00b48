// The send preview shows each field with the bits its protocol sends: a code
// typed wider than the command field (the key cell takes two hexadecimal
// digits whatever the command's width) shows the command's bits only.
#include "protocol/SendPreview.h"

#include <gtest/gtest.h>

namespace olv::protocol {
namespace {

// RC5's frame as the standard protocols define it: 5 address bits, 6 command bits.
stPreviewValues Rc5Frame(std::uint16_t keyCode, bool lsbFirst) {
  stPreviewValues v;
  v.addressBits = 5;
  v.commandBits = 6;
  v.address = 0x1F;
  v.keyCode = keyCode;
  v.lsbFirst = lsbFirst;
  v.fieldList = "ADD,CMD,~CMD";
  return v;
}

TEST(SendPreviewFields, EveryFieldShowsAsManyBitsAsItSends) {
  const struct {
    std::uint16_t keyCode;
    bool lsbFirst;
    const char* command;
    const char* inverted;
  } cases[] = {
      {0x05, false, "000101", "111010"},
      {0xC5, false, "000101", "111010"},  // typed wider than the field
      {0xFF, false, "111111", "000000"},
      {0xC5, true, "101000", "010111"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.keyCode << (c.lsbFirst ? " LSB first" : " MSB first"));
    const std::vector<stPreviewBox> boxes = BuildPreviewBoxes(Rc5Frame(c.keyCode, c.lsbFirst), 800, 300);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].bits, "11111");
    EXPECT_EQ(boxes[1].bits, c.command);
    EXPECT_EQ(boxes[2].bits, c.inverted);
  }
}

}  // namespace
}  // namespace olv::protocol
