// The data-format pages' definition file ("setting.ini" of the protocol
// folder) and the plain state of the page inputs it describes: parameter
// definitions "PD%d", send types [Group], the palette [Data] with its frame
// template, the generated file names [FileName].
#pragma once

#include "protocol/FrameBlock.h"

#include <wx/string.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace olv::protocol {

// One labelled masked input of a page, as plain state the window binds to.
struct stInputState {
  int id = 0;
  wxString text;
  wxString maskFormat;  // format letters; empty: no mask
  wxString maskTemplate;
  double minimum = 0;
  double maximum = 0;
  bool valueCheck = false;  // the range is checked
  bool tipEnabled = false;
  wxString tipText;
  wxString unitText;  // "*" marks a value out of range
  // The page refused the value when it was left: the red frame shows until
  // the input reports its value again or is shown anew.
  bool refused = false;
  bool enabled = true;
  bool visible = true;

  // False (range unchanged) when maximum is not above minimum.
  bool SetRange(double low, double high);
  // True when value checking is off, the text is empty or its value lies in
  // the range; the value is hexadecimal when the mask takes hexadecimal digits.
  bool CheckRange() const;
  // The mark after the input: "*" out of range or refused, else empty.
  void MarkRange() { unitText = refused || !CheckRange() ? wxString("*") : wxString(); }
  // Refused when the page was left: "*" after it and the red frame.
  void MarkRefused() {
    refused = true;
    unitText = "*";
  }
};

// A check box or radio button.
struct stCheckState {
  int id = 0;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
};

// A drop-down list.
struct stChoiceState {
  int id = 0;
  std::vector<wxString> entries;
  int selection = -1;
  bool enabled = true;
};

// Section "PD%d": one input's definition.
struct stParamDefinition {
  wxString name;  // also the key of the value in the project's [Custom]
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  wxString format;
  wxString templ;
  bool hasMask = false;  // "Mask" present
  std::uint32_t mask = 0;
};

// Buffer of every value read from the definition file.
constexpr std::size_t kDefinitionBuffer = 260;

wxString ParamSection(int number);
// False when the section has no "Name" (the other fields are then not read).
bool ReadParamDefinition(const wxString& file, int number, stParamDefinition& out);
// Applies definition number to the input: mask when both "Format" and
// "Template" are given; range, tip "min~max" and value checking when "Max"
// (as unsigned) is above "Min". False, input unchanged, without a "Name".
bool LoadParamDefinition(const wxString& file, int number, stInputState& input);

// Bits needed to write n distinct values: 0 for 0, then ceil(log2 n), 1 at least.
int BitsForCount(std::uint16_t n);
// A mode mask halved until BitsForCount of it is at most names; 0 stays 0.
std::uint16_t FitModeMask(std::uint16_t mask, int names);

// A send type: section [Group] "Group%d" = display name, block names...
struct stGroup {
  wxString displayName;
  std::vector<wxString> items;
};
// The display names of Group0, Group1, ... up to the first empty key.
std::vector<wxString> ReadGroupNames(const wxString& file);
// False when the key is missing or empty.
bool ReadGroup(const wxString& file, int index, stGroup& out);
// "LSB" of the section named after the display name: present -> non-zero.
std::optional<bool> ReadGroupLsb(const wxString& file, const wxString& displayName);

// The constant code a block name stands for: the digits right after
// "CONST_CODE", 1 to 4; 0 for any other name or number.
int ConstCodeNumber(const wxString& name);
// A group item or block name that sends its code complemented ("/" anywhere).
inline bool IsNegatedName(const wxString& name) { return name.Contains("/"); }

// One [Data] entry: a palette item or the frame template.
struct stDataItem {
  wxString name;
  int kind = 0;
  BlockColour colour1 = 0;  // converted from 0xRRGGBB
  BlockColour colour2 = 0;
  bool movable = false;
  wxString macroName;
  int valueA = 0;
  int valueB = 0;
  int valueC = 0;
  wxString auxText;
  int valueD = 0;  // in the frame template: the 0xRRGGBB colour of the previous last block
};
// The colour value 0x00BBGGRR of a 0xRRGGBB number.
BlockColour ColourFromRgb(std::uint32_t rgb);
// The eleven ","-separated fields, taken from the front; missing fields read empty or 0.
stDataItem ParseDataItem(const wxString& text);

// The palette: one entry per key 0 .. Count-1; an empty key gives an empty
// entry that keeps the indexes of the others. countRead is false when
// "Count" is negative.
struct stDataPalette {
  std::vector<std::optional<stDataItem>> items;
  bool countRead = true;
};
stDataPalette ReadDataPalette(const wxString& file);
// The frame template: key "%d" of [Data] whose number is the palette's entry count.
std::optional<stDataItem> ReadFrameTemplate(const wxString& file, std::size_t paletteEntries);

// [FileName] "Name" (the include file) and "Name1" (the send-bits table).
struct stGeneratedNames {
  wxString include;
  wxString sendBits;
};
stGeneratedNames ReadGeneratedNames(const wxString& file);

}  // namespace olv::protocol
