// The document's side of a capture: storing the board's records for the
// analyser, and turning the analyser's results into protocol parameters and
// display texts.
#include "core/DocCapture.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "receiver/AnalyserResults.h"
#include "receiver/IrAnalyser.h"

namespace {

// Stores a 32-bit word at bytes[0..3], least significant byte first.
void PutWord(std::uint8_t* bytes, std::uint32_t word) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(word >> (8 * i));
}

wxString Long(std::uint32_t value) { return wxString::Format("%ld", static_cast<long>(value)); }

// Binary digits of bytes, each byte put in front of the text, cut to the last
// count digits as soon as there are enough.
wxString LastBits(const std::uint8_t* bytes, std::size_t size, int count) {
  if (count <= 0) return wxString();
  wxString text;
  for (std::size_t i = 0; i < size; ++i) {
    text = ByteToBinaryText(bytes[i]) + text;
    if (static_cast<int>(text.length()) >= count) return text.Right(static_cast<std::size_t>(count));
  }
  return text;
}

std::uint8_t RepeatKindFor(std::uint16_t endKind) {
  switch (endKind) {
    case 1: return 1;
    case 2: return 4;
    case 3: return 2;
    default: return static_cast<std::uint8_t>(endKind & 0xFF);
  }
}

}  // namespace

wxString ByteToBinaryText(std::uint8_t byte) {
  wxString text;
  for (int bit = 7; bit >= 0; --bit) text += ((byte >> bit) & 1) ? '1' : '0';
  return text;
}

wxString FormatBinary(std::uint64_t value) {
  wxString text;
  for (; value != 0; value >>= 1) text.Prepend((value & 1) ? "1" : "0");
  return text;
}

std::uint32_t BinaryTextToValue(const wxString& text) {
  std::uint32_t value = 0;
  for (wxUniChar c : text) value = (value << 1) | (c == '0' ? 0u : 1u);
  return value;
}

float GetDecodedCarrier() { return static_cast<float>(AnalyserCarrierKHz()); }

float GetDecodedDuty() { return AnalyserDuty(); }

wxString FormatDecodedTime() {
  if (!AnalyserValidFrameFlag()) return "NG";
  return wxString::Format("%dus", static_cast<int>(AnalyserTimeValue()));
}

void CDocManage::StoreCaptureRecord(std::uint8_t id, const std::uint8_t* buffer, std::uint16_t length) {
  if (!buffer && length > 0) return;
  if (id == '1') {
    CarrierRecord.assign(buffer, buffer + length);
    LoadCarrierRecord(buffer, length);
  } else if (id == '2') {
    WaveRecord.assign(buffer, buffer + length);
    LoadWaveRecord(buffer, length);
  }
}

std::vector<std::uint32_t> CDocManage::GetWaveEdgeTimes() const {
  std::vector<std::uint32_t> times;
  const std::size_t count = WaveRecord.size() / 2;
  times.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t word = (static_cast<std::uint32_t>(WaveRecord[2 * i]) << 8) | WaveRecord[2 * i + 1];
    times.push_back(word * 4);
  }
  return times;
}

wxString CDocManage::ApplyDecodedCarrier() {
  const double carrier = AnalyserCarrierKHz();
  const long rounded = static_cast<long>((carrier * 10 + 5) / 10);
  SetParam(0, wxString::Format("%ld", rounded & 0xFF));
  return wxString::Format("%.2f", (carrier * 1000 + 5) / 1000);
}

void CDocManage::CopyDecodedFields() {
  for (int field = 0; field < kFrameFieldCount; ++field) {
    for (int word = 0; word < kFrameFieldWords; ++word) {
      PutWord(&DecodedFields[field][4 * word], AnalyserFrameFieldWord(field, word));
    }
  }
}

wxString CDocManage::GetDecodedDataBits(int bitCount) {
  DecodeDataFlag = static_cast<std::uint8_t>(AnalyserDataFlag() ? 1 : 0);
  const std::size_t bytes = IsAirConditionerFlow(RemoteType) ? 16 : 6;
  return LastBits(DecodedData, bytes, bitCount);
}

bool CDocManage::FitToCommandBits(std::uint16_t& value) const {
  const int bits = CommandBits;
  if (bits >= 16) return false;
  const std::uint32_t limit = 1u << bits;
  if (value < limit) return false;
  value = static_cast<std::uint16_t>(value & (limit - 1));
  return true;
}

bool CDocManage::ApplyDecodedTiming() {
  const bool airConditioner = IsAirConditionerFlow(RemoteType);
  if (airConditioner) {
    DecodeSignalGeneric();
  } else {
    DecodeByCarrierBand();
  }
  if (AnalyserCaptureErrorFlag()) return false;
  if (AnalyserRelearnFlag()) {
    PlainMessageBox(GetLangText("IDS_RESTUDY"));
    return false;
  }
  CalcCarrier();

  std::uint16_t frameKind = AnalyserFrameKind();
  if (airConditioner) {
    frameKind = 15;
    ModulationKind = 0;
    ProtocolMode = 2;
  } else {
    ModulationKind = AnalyserCodingKind() != 1 ? 1 : 0;
  }
  Address = AnalyserAddress();
  Command = AnalyserCommand();
  ToggleStart = static_cast<std::uint8_t>(AnalyserToggle() & 0xFF);
  CodeMode = static_cast<std::uint8_t>(frameKind & 0xFF);

  SetParam(3, Long(AnalyserLeadCodeMark()));
  SetParam(4, Long(AnalyserLeadCodeSpace()));
  if (airConditioner) {
    SetParam(12, wxString::Format("%d", static_cast<int>(AnalyserAirFrameLength() / 1000)));
  } else {
    SetParam(12, wxString::Format("%d", static_cast<int>(AnalyserFrameLength() / 1000)));
    SetParam(13, Long(AnalyserEndCodeMark()));
    SetParam(14, Long(AnalyserEndCodeSpace()));
  }
  if (ModulationKind == 1) {
    SetParam(10, Long(AnalyserUnitTime()));
    SetParam(11, Long(AnalyserUnitTime()));
    MarkAfter = 1;  // the analyser reads bit 0 as SPACE then MARK
  } else {
    for (int i = 0; i < 4; ++i) SetParam(6 + i, Long(AnalyserBitTime(i)));
  }
  LeadCodeOn = AnalyserLeadCodeFlag() ? 1 : 0;
  // A further frame after the first: the connect code of an air-conditioner
  // frame, the repeat frame of a general one.
  RepeatCodeOn = (airConditioner ? AnalyserFirstFieldCFlag() : AnalyserRepeatFlag()) ? 1 : 0;
  RepeatKind = RepeatKindFor(AnalyserEndKind());

  std::fill(std::begin(DecodedData), std::end(DecodedData), 0);
  if (CodeMode >= 1 && CodeMode <= 14) {
    PutWord(DecodedData, AnalyserDataWord());
  } else {
    for (int i = 0; i < kBitStoreWords; ++i) PutWord(&DecodedData[4 * i], AnalyserBitStoreWord(i));
  }
  if (AnalyserDataFlag()) CopyDecodedFields();
  return true;
}

bool CDocManage::CopyParamsFrom(const CDocManage& source) {
  for (int index : {0, 1, 2, 15, 16}) SetParam(index, source.GetParam(index));
  CodeMode = source.CodeMode;
  ModulationKind = source.ModulationKind;
  if (!IsGeneralRemote(RemoteType)) ProtocolMode = source.ProtocolMode;
  Address = source.Address;
  Command = source.Command;
  ToggleStart = source.ToggleStart;
  CodeMode = source.CodeMode;
  SetParam(3, source.GetParam(3));
  SetParam(4, source.GetParam(4));
  SetParam(12, source.GetParam(12));
  if (!IsAirConditionerFlow(RemoteType)) {
    SetParam(13, source.GetParam(13));
    SetParam(14, source.GetParam(14));
  }
  if (ModulationKind == 1) {
    SetParam(10, source.GetParam(10));
    SetParam(11, source.GetParam(11));
    MarkAfter = source.MarkAfter;
  } else {
    for (int index : {6, 7, 8, 9}) SetParam(index, source.GetParam(index));
  }
  LeadCodeOn = source.LeadCodeOn;
  RepeatCodeOn = source.RepeatCodeOn;
  RepeatKind = source.RepeatKind;
  std::copy(std::begin(source.DecodedData), std::end(source.DecodedData), DecodedData);
  if (AnalyserDataFlag()) {
    for (int field = 0; field < kFrameFieldCount; ++field) {
      std::copy(std::begin(source.DecodedFields[field]), std::end(source.DecodedFields[field]),
                DecodedFields[field]);
    }
  }
  return true;
}

wxString CDocManage::GetDecodedFrameText() const {
  auto bits = [&](int field) {
    return LastBits(DecodedFields[field], 20, AnalyserFrameFieldBitLength(field));
  };
  wxString text = bits(0);
  if (AnalyserFirstFieldCFlag()) text << "C" << bits(1);
  if (AnalyserEFlag()) text << "E";
  if (AnalyserILFlag()) text << "IL";
  text << bits(2);
  if (AnalyserThirdFieldCFlag()) text << "C" << bits(3);
  return text;
}
