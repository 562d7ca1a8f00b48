// The frame the send preview shows for a key: one box per field of the send
// order (address, inverted address, command with the key's code, constant codes
// and their inversions, address bytes), each with its caption and its bits as
// they go out on the air. Headless: the dialog copies the document into
// stPreviewValues and paints the boxes BuildPreviewBoxes lays out.
#pragma once

#include "core/DocManage.h"
#include "protocol/FrameBlock.h"

#include <wx/string.h>

#include <cstdint>
#include <vector>

namespace olv::protocol {

// The document's code mode of the user-defined framework (1..14: standard protocols).
constexpr int kUserDefinedCodeMode = 15;

// Field numbers of the send order's names.
enum PreviewField : int {
  kFieldAddress = 0,
  kFieldAddressInverted = 1,
  kFieldCommand = 2,
  kFieldCommandInverted = 3,
  kFieldAddressLow = 4,
  kFieldAddressHigh = 5,
  kFieldConstCode1 = 6,  // then ~CONST_CODE1, CONST_CODE2, ... ~CONST_CODE4 (13)
  kFieldLast = 13,
};

// The field number of a name of the send order (exact, case-sensitive); any
// other name is the address.
int FieldIndex(const wxString& name);

// Box fill colours, used in turn; a field beyond the last takes the first again.
constexpr BlockColour kPreviewFillColours[] = {RgbColour(255, 170, 165), RgbColour(255, 211, 182),
                                               RgbColour(220, 237, 193), RgbColour(168, 230, 207),
                                               RgbColour(191, 191, 255)};
BlockColour PreviewFillColour(int fieldPosition);

// Box geometry: each box ends at its x and is kPreviewPitch wide.
constexpr int kPreviewPitch = 128;

// What the preview copies from the document when a key is selected.
struct stPreviewValues {
  int addressBits = 0;
  int commandBits = 0;
  int constBits[4] = {0, 0, 0, 0};
  std::uint16_t address = 0;
  std::uint16_t keyCode = 0;
  std::uint16_t constValues[4] = {0, 0, 0, 0};
  bool lsbFirst = false;
  wxString fieldList;  // names separated by ","
};

// The document's values for a key code. The field list is the standard
// protocol's send order, or with the user-defined framework (code mode 15) the
// one its data-format macros describe.
stPreviewValues PreviewValuesFromDocument(const CDocManage& doc, const CStringMap& macros,
                                          std::uint16_t keyCode);

// The user-defined frame's fields from the data-format macros: "CMD" or
// "CONST_CODE<type>" for each of DATA1..DATA5 that is on, "~" in front unless
// its complement macro is "0".
wxString UserDefinedFieldList(const CStringMap& macros);

// The tip key: with the user-defined framework the document's LSB-first byte
// decides, else the standard protocol's send mode ("MSB", any case, is MSB first).
wxString PreviewTipKey(const CDocManage& doc);

// The inversion of value over bits (all of them, however wide).
std::uint32_t FieldComplement(std::uint32_t value, int bits);

// The value as binary digits over bits, most significant first and padded with
// "0"; reversed when the field goes out LSB first. A field carries its bits
// and no more: of a value wider than the field only the low bits show.
wxString FormatFieldBits(std::uint32_t value, int bits, bool lsbFirst);

struct stPreviewBox {
  int field = kFieldAddress;
  int x = 0;        // right end of the box; the box spans [x - kPreviewPitch, x]
  int y = 0;        // the box's middle line
  int bitsTop = 0;  // the bits are centred in [bitsTop, bitsTop + kPreviewBitsHeight)
  wxString caption;
  wxString bits;
  BlockColour fill = 0;
};

constexpr int kPreviewBitsTop = 2;
constexpr int kPreviewBitsHeight = 50;

// The x of the first box of a row: the row is centred in the client's width
// and never starts left of it.
int FirstBoxX(int clientWidth, int fieldCount);

// The boxes of the frame for a client of the given size. A frame that fits the
// width is one row on the line at two thirds of the height, its bits along the
// top. A wider frame is broken into as many centred rows as it needs, each in a
// band of its own with the same proportions, so that no field is cut off.
std::vector<stPreviewBox> BuildPreviewBoxes(const stPreviewValues& values, int clientWidth, int clientHeight);

}  // namespace olv::protocol
