#include "keys/KeySourceGeneration.h"

#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "keys/KeySetupModel.h"
#include "platform/Format.h"
#include "platform/Paths.h"

#include <wx/filefn.h>

namespace {

// Each line of a macro of several lines is followed by CR LF.
wxString JoinLines(const std::vector<wxString>& lines, const wxString& whenEmpty) {
  if (lines.empty()) return whenEmpty;
  wxString text;
  for (const wxString& line : lines) text += line + "\r\n";
  return text;
}

bool LedPinChosen(const stKeyLedChoice& led) { return led.check != 0 && !led.pin.empty(); }

stKeyGenerationResult Failure(stKeyGenerationResult::Kind kind, const wxString& file,
                              const wxString& message) {
  stKeyGenerationResult result;
  result.kind = kind;
  result.file = file;
  result.message = message;
  return result;
}

// Expands one template into the work folder; on failure the message names the
// file and the template (or the token the expression library refused).
stKeyGenerationResult ExpandKeyTemplate(CDocManage& doc, const wxString& templateFolder,
                                        const wxString& outputName) {
  const wxString templatePath =
      platform::FindPathNoCase(platform::JoinPath(templateFolder, KeyTemplateName(outputName)));
  const wxString outputPath = platform::JoinPath(doc.TempFolder, outputName);
  if (doc.WriteTemplateFile(templatePath, outputPath)) return stKeyGenerationResult();
  // A half-written file must not reach the output folder.
  if (wxFileExists(outputPath)) wxRemoveFile(outputPath);
  wxString message = doc.GetTemplateFailure();
  if (message.empty()) {
    message = platform::FormatText(GetLangText("IDS_KEY_TEMPLATE_FAILED"), outputPath, templatePath);
  }
  PlainMessageBox(message);
  return Failure(stKeyGenerationResult::kTemplateFailed, outputPath, message);
}

}  // namespace

wxString ControlPinName(const wxString& pin, const wxString& insert) {
  if (pin.empty()) return pin;  // a free slot has no control bit either
  if (pin.length() < 2) return pin + insert;
  wxString name = pin;
  name.insert(2, insert);
  return name;
}

wxString KeyTemplateName(const wxString& outputName) {
  wxString name = outputName;
  name.Replace(".inc", ".temp");
  return name;
}

int MatrixRowsInUse(const CDocManage& doc, const CKeyLineSet& lines) {
  if (lines.Keypad() != kKeypadMatrix) return 0;
  return lines.CountsInUse().rows + (doc.VssRow == 1 ? 1 : 0);
}

bool CheckGeneralKeySetup(const CDocManage& doc, const stGeneralKeySources& input) {
  const bool ledTicked = input.led.check == 1;
  wxString problem;
  if (input.touch) {
    if (input.checkTouchKeys && !input.checkTouchKeys()) return false;
    if (ledTicked && input.led.pin.empty()) problem = "IDS_NO_SEL_LED";
  } else {
    CKeyLineSet none;
    const CKeyLineSet& lines = input.lines ? *input.lines : none;
    problem = KeySetupProblem(lines, lines.Keypad() == kKeypadMatrix && doc.VssRow == 1, ledTicked,
                              input.led.pin, false);
  }
  if (problem.empty()) return true;
  LangMessageBox(problem);
  return false;
}

KeyNameMap CollectKeyCodes(CDocManage& doc, const std::vector<stSavedKeyRow>& rows) {
  KeyNameMap names;
  doc.RemoveKeyValue(-1);
  for (const stSavedKeyRow& row : rows) {
    if (row.codeText.empty()) continue;
    const auto code = static_cast<std::uint16_t>(ParseNumber(row.codeText) & 0xFFFF);
    doc.AddKeyValue(code, row.text);
    names[static_cast<std::uint8_t>(code & 0xFF)] = row.text;
  }
  return names;
}

stKeyPinLines KeyMappingPinLines(const CKeyLineSet& lines) {
  stKeyPinLines out;
  if (lines.PinsInUse().empty()) return out;
  if (lines.Keypad() != kKeypadMatrix) {
    // A general remote's key lines: a framework may test which KEY%d exist.
    const int stepPins = lines.CountsInUse().io;
    for (int k = 0; k < stepPins; ++k) {
      const wxString pin = lines.PinAt(k).Upper();
      out.pins.push_back(wxString::Format("#define KEY%d ", k) + pin);
      out.controls.push_back(wxString::Format("#define KEY%dC ", k) + ControlPinName(pin, "C"));
    }
    return out;
  }
  int column = 0;
  int row = 0;
  for (int slot = 0; slot < lines.LineCount(); ++slot) {
    const wxString pin = lines.PinAt(slot).Upper();
    if (pin.empty()) continue;
    if (!lines.IsRowLine(slot)) {
      out.pins.push_back(wxString::Format("#define COL%d ", column++) + pin);
      continue;
    }
    out.pins.push_back(wxString::Format("#define ROW%d ", row) + pin);
    out.controls.push_back(wxString::Format("#define ROW%dC ", row) + ControlPinName(pin, "C"));
    ++row;
  }
  return out;
}

void WriteKeyMappingDefines(CStringMap& macros, const CDocManage& doc, const stGeneralKeySources& input) {
  const stKeyPinLines pinLines = input.lines ? KeyMappingPinLines(*input.lines) : stKeyPinLines();
  StringMapSubscript(macros, "IOReg") = JoinLines(pinLines.pins, ";//////IOReg data is not defined//////");
  StringMapSubscript(macros, "IORegC") =
      JoinLines(pinLines.controls, ";//////IORegC data is not defined//////");
  StringMapSubscript(macros, "KEYPAD_TYPE") = wxString::Format("#define KEYPAD_TYPE %d", doc.Keypad);
  const int rows = doc.Keypad == kKeypadMatrix && input.lines ? MatrixRowsInUse(doc, *input.lines) : 0;
  StringMapSubscript(macros, "ROW_SCAN_LINE") = wxString::Format("#define ROW_SCAN_LINE %d", rows);
  StringMapSubscript(macros, "ROWVSS") = wxString::Format("#define ROWVSS %d", doc.VssRow);
  StringMapSubscript(macros, "LED_DRV") = input.led.check == 1 ? "1" : "0";
  if (LedPinChosen(input.led)) {
    const wxString pin = input.led.pin.Upper();
    StringMapSubscript(macros, "LED_IO") = pin;
    StringMapSubscript(macros, "LED_IO_C") = ControlPinName(pin, "C");
  } else {
    macros.erase("LED_IO");
    macros.erase("LED_IO_C");
  }
  StringMapSubscript(macros, "REM_HL") = doc.RemDrv == 0 ? "1" : "0";
}

stKeyGenerationResult GenerateGeneralKeySources(CDocManage& doc, const stGeneralKeySources& input,
                                                const wxString& templateFolder) {
  if (!CheckGeneralKeySetup(doc, input))
    return Failure(stKeyGenerationResult::kRefused, wxString(), wxString());
  if (doc.TempFolder.empty() && !doc.MakeTempFolder()) {
    const wxString message = GetLangText("IDS_CREATE_TEMPPATH_FAILED");
    PlainMessageBox(message);
    return Failure(stKeyGenerationResult::kNoWorkFolder, wxString(), message);
  }

  // The table is written over an earlier one; any failure removes it, so no
  // earlier run's table outlives a refused one.
  const wxString tablePath = platform::JoinPath(doc.TempFolder, kKeyTableFile);
  const KeyNameMap names = input.savedKeyRows ? CollectKeyCodes(doc, *input.savedKeyRows) : KeyNamesOf(doc);
  stKeyTableInput table;
  table.shape = input.shape;
  table.slots = input.slots;
  table.commandBits = doc.CommandBits;
  table.mcu = doc.GetMcuName();
  const bool tableWritten =
      input.writeTable ? input.writeTable(tablePath, names) : WriteKeyCommandTable(tablePath, table, names);
  if (!tableWritten) {
    if (wxFileExists(tablePath) || platform::IsSymbolicLink(tablePath)) wxRemoveFile(tablePath);
    ShowKeyTableError(doc.CommandBits);
    return Failure(stKeyGenerationResult::kTableFailed, tablePath,
                   platform::FormatText(GetLangText("IDS_KEY_ERROR"), static_cast<int>(doc.CommandBits)));
  }

  WriteKeyMappingDefines(g_MacroMap, doc, input);
  for (const char* name : {kKeyMappingFile, kDrivingFile}) {
    stKeyGenerationResult result = ExpandKeyTemplate(doc, templateFolder, name);
    if (!result) return result;
  }
  return stKeyGenerationResult();
}
