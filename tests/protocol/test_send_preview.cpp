// The send preview's frame: fields, captions, bits, colours and row placement.
#include "protocol/SendPreview.h"

#include <gtest/gtest.h>

namespace olv::protocol {
namespace {

stPreviewValues EightBitFrame(bool lsbFirst) {
  stPreviewValues v;
  v.addressBits = v.commandBits = 8;
  v.address = 0x00;
  v.keyCode = 0x12;
  v.lsbFirst = lsbFirst;
  v.fieldList = "ADD,~ADD,CMD,~CMD";
  return v;
}

TEST(SendPreview, AddressAndCommandWithTheirInversions) {
  struct Case {
    bool lsbFirst;
    const char* bits[4];
  };
  for (const Case& c : {Case{false, {"00000000", "11111111", "00010010", "11101101"}},
                        Case{true, {"00000000", "11111111", "01001000", "10110111"}}}) {
    const std::vector<stPreviewBox> boxes = BuildPreviewBoxes(EightBitFrame(c.lsbFirst), 800, 300);
    ASSERT_EQ(boxes.size(), 4u);
    const char* captions[] = {"Address:0x00", "Address#:0xff", "Command:0x12", "Command#:0xed"};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(boxes[i].x, 400 - 128 + 128 * i);
      EXPECT_EQ(boxes[i].y, 200);
      EXPECT_EQ(boxes[i].bitsTop, 2);
      EXPECT_EQ(boxes[i].field, i);
      EXPECT_EQ(boxes[i].caption, captions[i]);
      EXPECT_EQ(boxes[i].bits, c.bits[i]) << i << (c.lsbFirst ? " LSB" : " MSB");
      EXPECT_EQ(boxes[i].fill, kPreviewFillColours[i]);
    }
  }
}

TEST(SendPreview, RowIsCentredAndNeverStartsLeftOfTheClient) {
  // The row's first box ends at x and spans one pitch to its left.
  struct Case {
    int width, fields, firstX;
  } cases[] = {{800, 2, 400}, {800, 3, 336}, {800, 4, 272}, {800, 5, 208},
               {800, 1, 464}, {800, 7, 128}, {1400, 7, 380}};
  for (const Case& c : cases) EXPECT_EQ(FirstBoxX(c.width, c.fields), c.firstX) << c.width << " " << c.fields;
}

TEST(SendPreview, ColoursCycleBeyondTheTable) {
  stPreviewValues v = EightBitFrame(false);
  v.fieldList = "ADD,~ADD,CMD,~CMD,ADDL,ADDH,CMD,~CMD,ADD,ADD,ADD,ADD";
  const std::vector<stPreviewBox> boxes = BuildPreviewBoxes(v, 1600, 300);
  ASSERT_EQ(boxes.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(boxes[i].fill, kPreviewFillColours[i % 5]) << i;
  EXPECT_EQ(boxes[0].x, 800 - 64 * 10);
  EXPECT_EQ(boxes[11].x, 160 + 11 * 128);
}

TEST(SendPreview, FrameWiderThanTheClientIsBrokenIntoCentredRows) {
  stPreviewValues v = EightBitFrame(false);
  v.fieldList = "ADD,~ADD,CMD,~CMD,ADDL";
  // Two boxes to a row in 270 pixels: rows of 2, 2 and 1, each in a third of the height.
  const std::vector<stPreviewBox> boxes = BuildPreviewBoxes(v, 270, 360);
  ASSERT_EQ(boxes.size(), 5u);
  const int xs[] = {135, 263, 135, 263, 199};
  const int ys[] = {80, 80, 200, 200, 320};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(boxes[i].x, xs[i]) << i;
    EXPECT_EQ(boxes[i].y, ys[i]) << i;
    EXPECT_EQ(boxes[i].bitsTop, ys[i] - 80 + 2) << i;
    EXPECT_GE(boxes[i].x - kPreviewPitch, 0) << i;
    EXPECT_LE(boxes[i].x, 270) << i;
  }
  // Narrower than one box: one to a row, from the left edge.
  const std::vector<stPreviewBox> narrow = BuildPreviewBoxes(v, 100, 500);
  for (const stPreviewBox& box : narrow) EXPECT_EQ(box.x, 128);
  EXPECT_EQ(narrow[4].y, 400 + 66);
}

TEST(SendPreview, FieldNamesAreExactAndUnknownOnesDrawTheAddress) {
  stPreviewValues v = EightBitFrame(false);
  v.address = 0xA55A;
  v.addressBits = 16;
  v.constBits[2] = 4;
  v.constValues[2] = 0x6;
  v.fieldList = " ADDL , ADDH,CONST_CODE3,~CONST_CODE3,add,~Cmd,BOGUS";
  const std::vector<stPreviewBox> boxes = BuildPreviewBoxes(v, 1200, 300);
  ASSERT_EQ(boxes.size(), 7u);
  EXPECT_EQ(boxes[0].caption, "Address Low Byte:\n0x5a");
  EXPECT_EQ(boxes[0].bits, "01011010");
  EXPECT_EQ(boxes[1].caption, "Address High Byte:\n0xa5");
  EXPECT_EQ(boxes[1].bits, "10100101");
  EXPECT_EQ(boxes[2].caption, "CONST_CODE3:0x06");
  EXPECT_EQ(boxes[2].bits, "0110");
  EXPECT_EQ(boxes[3].caption, "CONST_CODE3#:0x09");
  EXPECT_EQ(boxes[3].bits, "1001");
  for (int i = 4; i < 7; ++i) {
    EXPECT_EQ(boxes[i].field, kFieldAddress);
    EXPECT_EQ(boxes[i].caption, "Address:0xa55a");
    EXPECT_EQ(boxes[i].bits, "1010010101011010");
  }
}

TEST(SendPreview, WideCodesAndInversionsAreShownWhole) {
  stPreviewValues v;
  v.address = 0x1234;
  v.addressBits = 16;
  v.keyCode = 0x0A5;
  v.commandBits = 10;
  v.constBits[0] = 12;
  v.constValues[0] = 0x0F0;
  v.fieldList = "ADD,~ADD,CMD,~CMD,~CONST_CODE1";
  const std::vector<stPreviewBox> boxes = BuildPreviewBoxes(v, 1000, 300);
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes[0].caption, "Address:0x1234");
  EXPECT_EQ(boxes[1].caption, "Address#:0xedcb");
  EXPECT_EQ(boxes[1].bits, "1110110111001011");
  EXPECT_EQ(boxes[2].bits, "0010100101");
  EXPECT_EQ(boxes[3].caption, "Command#:0x35a");
  EXPECT_EQ(boxes[3].bits, "1101011010");
  EXPECT_EQ(boxes[4].caption, "CONST_CODE1#:0xf0f");

  // A code wider than its field shows the field's bits only, in either bit order.
  EXPECT_EQ(FormatFieldBits(0x1FF, 8, false), "11111111");
  EXPECT_EQ(FormatFieldBits(0x180, 8, true), "00000001");
  EXPECT_EQ(FormatFieldBits(0, 0, false), "");
  EXPECT_EQ(FieldComplement(0, 32), 0xFFFFFFFFu);
  EXPECT_EQ(FieldComplement(0xFFFF, 255), 0xFFFF0000u);
}

TEST(SendPreview, UserDefinedFieldsComeFromTheDataFormatMacros) {
  const CStringMap macros = {
      {"DATA1", "1"},
      {"DATA1_TYPE", "0"},
      {"DATA1_Complement", "0"},
      {"DATA2", "1"},
      {"DATA2_TYPE", "1"},
      {"DATA2_Complement", "1"},
      {"DATA3", "0"},
      {"DATA3_TYPE", "0"},
      {"DATA4", "1"},
      {"DATA4_TYPE", "2"},
      {"DATA5", "1"},
      {"DATA5_TYPE", "0"},
      {"DATA5_Complement", "1"},
  };
  EXPECT_EQ(UserDefinedFieldList(macros), "CMD,~CONST_CODE1,~CONST_CODE2,~CMD");
  EXPECT_EQ(UserDefinedFieldList({}), "");
}

TEST(SendPreview, DocumentValuesBitOrderAndTip) {
  CDocManage doc;
  doc.AddressBits = 8;
  doc.CommandBits = 8;
  doc.Address = 0x40;
  doc.ConstBits[3] = 4;
  doc.ConstValue[3] = 0xC;
  doc.SetParam(22, "ADD,CMD");
  const CStringMap macros = {{"DATA1", "1"}, {"DATA1_TYPE", "0"}, {"DATA1_Complement", "0"}};

  struct Case {
    int codeMode;
    int lsbByte;
    const char* sendMode;
    bool lsbFirst;
    const char* fields;
    const char* tip;
  } cases[] = {
      {3, 0, "LSB", true, "ADD,CMD", "IDS_USER_TIPS47"},  {3, 0, "MSB", false, "ADD,CMD", "IDS_USER_TIPS46"},
      {3, 0, "msb", false, "ADD,CMD", "IDS_USER_TIPS46"}, {3, 1, "MSB", true, "ADD,CMD", "IDS_USER_TIPS46"},
      {15, 1, "", true, "CMD", "IDS_USER_TIPS47"},        {15, 0, "LSB", true, "CMD", "IDS_USER_TIPS46"},
  };
  for (const Case& c : cases) {
    doc.CodeMode = static_cast<std::uint8_t>(c.codeMode);
    doc.LsbFirst = static_cast<std::uint8_t>(c.lsbByte);
    doc.SetParam(23, c.sendMode);
    const stPreviewValues v = PreviewValuesFromDocument(doc, macros, 0x21);
    EXPECT_EQ(v.lsbFirst, c.lsbFirst) << c.codeMode << " " << c.sendMode;
    EXPECT_EQ(v.fieldList, c.fields) << c.codeMode;
    EXPECT_EQ(PreviewTipKey(doc), c.tip) << c.codeMode << " " << c.lsbByte << " " << c.sendMode;
    EXPECT_EQ(v.keyCode, 0x21);
    EXPECT_EQ(v.address, 0x40);
    EXPECT_EQ(v.constBits[3], 4);
    EXPECT_EQ(v.constValues[3], 0xC);
  }
}

}  // namespace
}  // namespace olv::protocol
