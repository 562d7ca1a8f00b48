// The project document: the open project's identity, remote and protocol
// types, the 32 protocol parameters with their numeric forms, the key
// settings, the key-value records and the code generator's macro table.
// Pages read and write its fields directly and write their own sections of
// the project file through its path.
#pragma once

#include "core/ProjectKinds.h"

#include <wx/string.h>

#include <cstdint>
#include <map>
#include <vector>

// The macro table of the code generator: macro name to replacement text, in
// case-sensitive name order. Generators fill it; the template writer reads it.
using CStringMap = std::map<wxString, wxString>;
extern CStringMap g_MacroMap;

// The text of name, inserting an empty entry when the name is absent.
wxString& StringMapSubscript(CStringMap& map, const wxString& name);

// Values of the other-settings page; a reset gives the defaults below.
struct stOtherSettings {
  std::uint32_t Unit0High = 30, Unit0Low = 16, Unit0Init = 16;
  std::uint32_t Unit1High = 30, Unit1Low = 16, Unit1Init = 16;
  double LevelVolts[4] = {-1.0, -1.0, -1.0, -1.0};  // -1.0: no value
  std::int32_t LevelOn[4] = {0, 0, 0, 0};
  std::int32_t SubOscillator = 0;
  std::int32_t VoltageDetect = 0;
  std::int32_t ShareSegment = 1;
  std::int32_t ShowAtPowerOn = 0;
  std::int32_t ShowAtPowerOff = 0;
  std::int32_t ClockShow = 1;
  std::uint16_t Clock12Hour = 0;
  std::uint8_t LcdRType = 0;
};

// One function block of the air-conditioner data format: its text and its
// function flag.
struct stFunctionBlock {
  wxString Text;
  std::int32_t Flag = 0;
};

class CDocManage {
 public:
  // One key's codes of a general remote: raw, 2002 bytes.
  struct stKeyValue {
    std::uint16_t code;
    char16_t text[1000];
  };
  // One key's codes of an air-conditioner remote: raw, 4000 bytes.
  struct stAirKeyValue {
    char16_t text1[1000];
    char16_t text2[1000];
  };

  CDocManage();
  ~CDocManage();
  CDocManage(const CDocManage&) = delete;
  CDocManage& operator=(const CDocManage&) = delete;

  // Protocol parameters P0..P31; an index outside reads empty and writes nothing.
  wxString GetParam(int index) const;
  void SetParam(int index, const wxString& text);

  wxString GetProjectFolder() const { return ProjectFolder; }
  wxString GetOutputFolder() const { return OutputFolder; }
  wxString GetMcuName() const { return McuName; }
  wxString GetPackageName() const { return PackageName; }
  wxString GetProjectFilePath() const { return ProjectFilePath; }
  // "%s\%s.lmirprj" (partner) or ".ovirprj" (maker) of the project folder and name.
  wxString BuildProjectFilePath() const;

  bool CreateProjectFile(bool askIfExists, bool write);
  bool OpenProject(const wxString& path);
  // The open project now lives in folder (a copy of its folder): the project
  // file's path follows.
  void MoveProjectFolder(const wxString& folder);

  bool CheckProjectName(const wxString& name);
  bool CheckProjectPath(const wxString& folder, bool appendName);
  bool CheckMcu(const wxString& mcu);
  bool CheckPackage(const wxString& package);

  // Loads the project's chip into g_CurChipInfo and finds its package.
  bool LoadChip();

  void SetModified(bool modified, const wxString& pageClassName);
  // The new-project flag (also called "use the format template"): 1 after a
  // new project or a change of the global selection, 0 after construction and
  // after opening a project file. While it is 1 the pages read no values from
  // the project file.
  void SetNewProject(bool isNew) { NewProject = isNew ? 1 : 0; }
  void SetUseFormatTemplate(bool use) { SetNewProject(use); }
  bool UseFormatTemplate() const { return NewProject != 0; }
  bool IsProjectOpen() const { return !ProjectName.empty(); }

  void Reset(bool clear, bool keep);

  // Capture records and decoded values.
  void StoreCaptureRecord(std::uint8_t id, const std::uint8_t* buffer, std::uint16_t length);
  // The stored wave record's edge times in microseconds (each big-endian word times 4).
  std::vector<std::uint32_t> GetWaveEdgeTimes() const;
  wxString ApplyDecodedCarrier();
  void CopyDecodedFields();
  wxString GetDecodedDataBits(int bitCount);
  // Cuts value to the command bit count when it does not fit; true when cut.
  bool FitToCommandBits(std::uint16_t& value) const;
  bool ApplyDecodedTiming();
  bool CopyParamsFrom(const CDocManage& source);
  wxString GetDecodedFrameText() const;

  // Writes one generated file from a template, expanding its "$...$" tokens.
  // False when a file cannot be opened or written, a "$" has no partner, or a
  // token cannot be evaluated (the output keeps the lines written before).
  bool WriteTemplateFile(const wxString& templatePath, const wxString& outputPath);
  // The message for the user when the last WriteTemplateFile failed on a
  // token: the template, the line, the token and the expression library's
  // reason. Empty after a success or a failure of another kind.
  const wxString& GetTemplateFailure() const { return m_templateFailure; }

  // The output folder and the framework copy.
  bool PrepareOutputFolder(const wxString& protocolName, const wxString& frameworkName);
  bool CreateOutputFolder(const wxString& relativeSource);
  // Where MakeOutputFolder stopped.
  // kFolder: a folder of the output could not be made (or an earlier output of
  // the same second emptied); GetFailedPath names it.
  enum class OutputStep { kDone, kNoFramework, kCopy, kFolder, kPreprocess };
  // PrepareOutputFolder, then overlay's files copied over the output folder
  // and, when preprocess is set, PreprocessFramework over it, with the same
  // result; in a folder made new each file is read once and written once,
  // already decided. GetFailedPath names what a failed step failed on.
  OutputStep MakeOutputFolder(const wxString& protocolName, const wxString& frameworkName,
                              const wxString& overlay, bool preprocess);
  // Copies the files and folders of source into destination; made (when given)
  // receives every file and folder it creates, in order.
  bool CopyTemplateFolder(const wxString& source, const wxString& destination,
                          std::vector<wxString>* made = nullptr);
  // Removes the folder and everything in it but "src" folders; a symbolic link
  // is removed itself, never what it points at.
  bool RemoveFolderTree(const wxString& folder);
  wxString FindLatestFramework(const wxString& base, const wxString& subFolder, const wxString& prefix);
  bool MakeTempFolder();
  wxString MakeTempWorkFolder();
  // Removes this run's work folder with everything in it (the program's end).
  void RemoveTempFolder();
  // Removes the work folders that runs of this user left behind when they
  // ended without removing them: those whose process no longer runs. Another
  // user's folders and those of running processes stay. The count removed.
  static int RemoveStaleWorkFolders();
  // Decides the conditional blocks of every ".inc" and ".asm" file of the
  // output folder; false when a file could not be rewritten. In a folder that
  // the last CreateOutputFolder made new, files are written over in place.
  bool PreprocessFramework(const wxString& outputFolder);
  // The first file or folder that the last PrepareOutputFolder,
  // CreateOutputFolder, CopyTemplateFolder or PreprocessFramework failed on.
  // Empty after a success, and when there was no framework folder to copy.
  const wxString& GetFailedPath() const { return m_failedPath; }

  // General-remote key records. A bad index gives false and changes nothing.
  void AddKeyValue(std::uint16_t code, const wxString& text);
  bool RemoveKeyValue(int index);  // -1 removes all
  bool SetKeyCode(int index, std::uint16_t code);
  bool GetFirstKeyValue(int& position) const;
  // The record at position, advancing it; false when no record is there. more
  // tells whether further records follow.
  bool GetNextKeyValue(int& position, std::uint16_t& code, wxString& text, bool* more = nullptr) const;
  std::uint16_t Bit0Mark() const { return static_cast<std::uint16_t>(Bit0Time & 0xFFFF); }
  std::uint16_t Bit0Space() const { return static_cast<std::uint16_t>(Bit0Time >> 16); }
  std::uint16_t Bit1Mark() const { return static_cast<std::uint16_t>(Bit1Time & 0xFFFF); }
  std::uint16_t Bit1Space() const { return static_cast<std::uint16_t>(Bit1Time >> 16); }

  std::size_t GetKeyValueCount() const { return m_keyValues.size(); }
  const std::vector<stKeyValue>& KeyValues() const { return m_keyValues; }

  // Air-conditioner key records.
  void AddAirKeyValue(const wxString& text1, const wxString& text2);
  bool RemoveAirKeyValue(int index);  // -1 removes all
  bool GetFirstAirKeyValue(int& position) const;
  bool GetNextAirKeyValue(int& position, wxString& text1, wxString& text2, bool* more = nullptr) const;
  std::size_t GetAirKeyValueCount() const { return m_airKeyValues.size(); }
  std::vector<stAirKeyValue>& AirKeyValues() { return m_airKeyValues; }

  // The record arrays in their stored form: the element count (see
  // DocRecords.cpp), then the raw records.
  std::string SerializeKeyValues() const;
  bool DeserializeKeyValues(const std::string& bytes);
  std::string SerializeAirKeyValues() const;
  bool DeserializeAirKeyValues(const std::string& bytes);

  // --- Selection fields of the protocol, air-conditioner and other-settings pages (-1: none).
  std::int32_t ProtocolSelection = -1;
  std::int32_t AirSelection = -1;
  std::int32_t OtherSelection = -1;
  // 1 while the pages of the flow load from an opened project file or on a
  // first load after a global-selection change; else 0.
  std::int32_t Loading = 0;

  // --- Protocol.
  std::int32_t ProtocolMode = -1;  // 2 for a decoded or kept protocol of a nonzero remote type
  wxString OutputProtocolName;     // "USER_DEF" or the standard protocol's folder name
  wxString TempFolder;
  std::uint8_t CodeMode = 0;  // frame kind: 1..14 standard protocols, 15 user-defined
  std::uint8_t Carrier = 0;   // P0, kHz
  std::uint16_t Address = 0;  // P2
  std::uint16_t Command = 0;
  std::uint8_t ModulationKind = 0;  // 0 PDM (P6..P9), 1 Manchester (one unit time, P10/P11)
  std::int32_t LeadCodeOn = 0;      // boot code: 1 when the frame has one
  std::uint8_t BootCodeKind = 0;    // 0 AGC burst, 1 Manchester data
  std::uint32_t BootTime = 0;       // P3 low half, P4 high half
  std::uint8_t BootDataBits = 0;    // boot data bit count
  std::uint32_t Bit1Time = 0;       // P8 / P9: mark low half, space high half
  std::uint32_t Bit0Time = 0;       // P6 / P7
  std::uint32_t UnitTime = 0;       // P10 / P11
  // Manchester bit-0 polarity: 0 MARK first, 1 MARK after (SPACE first).
  std::uint8_t MarkAfter = 0;
  std::int32_t RepeatCodeOn = 0;  // a repeat (connect) code follows the frame
  std::uint8_t RepeatKind = 4;    // 1 AGC burst, 2 pure data, 4 whole code
  // 0 when a required timing input of the modulation page is empty or
  // refused; -1 after a reset.
  std::int32_t TimingComplete = -1;
  std::uint32_t RepeatPeriod = 0;  // P12
  std::uint32_t RepeatTime = 0;    // P13 / P14
  std::uint8_t CommandBits = 0;    // P16
  std::uint8_t AddressBits = 0;    // P15
  std::uint8_t LsbFirst = 0;
  std::uint8_t StartBitValue = 1;
  std::uint8_t ToggleStart = 1;
  std::int32_t StartBitOn = 0;
  std::int32_t ToggleBitOn = 0;
  std::uint8_t ConstBits[4] = {0, 0, 0, 0};    // P24..P27
  std::uint16_t ConstValue[4] = {0, 0, 0, 0};  // P28..P31

  // --- Data format.
  std::int32_t ConstCodeOn[4] = {1, 1, 0, 0};
  std::int32_t CommandOn = 1;
  std::int32_t ConstPolarity[4] = {0, 0, 0, 0};
  std::int32_t FormatType = 0;
  // Function blocks that the air-conditioner data-format page hands on.
  std::vector<stFunctionBlock> FunctionBlocks;      // fixed functions; kept by a reset with keep
  std::vector<stFunctionBlock> UserFunctionBlocks;  // user functions; emptied by every reset

  // --- Key settings ([KeyConfig]).
  std::int32_t Keypad = 0;  // 0 step, 1 matrix
  std::int32_t CodeType = 0;
  std::int32_t VssRow = 0;
  std::int32_t KeyMode = 0;
  std::int32_t TouchFrequency = 0;
  std::int32_t TouchKey[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  std::int32_t PressAndHold = 0;
  std::int32_t DoubleButton = 0;
  std::uint8_t IoCount = 0;     // key lines of a step keypad
  std::uint8_t IoColCount = 0;  // column and row lines of a matrix keypad
  std::uint8_t IoRowCount = 0;
  std::int32_t RemDrv = 1;  // driver mode REMDRV
  // The data-process range: first function number and number of functions.
  std::int32_t DataProcessFirst = 0;
  std::int32_t DataProcessCount = 0;
  std::int32_t HighSensitivity = 0;
  wxString LedSetting;  // follows P19 through a reset
  wxString RemPinText;  // emptied by every reset
  std::int32_t RemPinIndex = -1;
  std::int32_t ButtonMode = 0;
  std::int32_t ButtonState = 1;
  std::int32_t LcdButtonState = 1;

  // --- Other settings, LCD and key pages.
  stOtherSettings OtherSettings;
  std::map<wxString, wxString> SegMap;  // "SEG%d" to pin name
  std::vector<wxString> UsedPins;       // pins the LCD takes; keys may not use them
  // Pin options of the other-settings page that the key page follows: the
  // timer, the crystal (1: it takes its pins) and the LCD option.
  std::int32_t TimerOption = 0;
  std::int32_t CrystalOption = 0;
  std::uint8_t LcdOption = 0;

  // --- Decoded capture (filled by the decode page).
  std::uint16_t DecodeWord = 0;
  std::int32_t DecodeValues[6] = {0, 0, 0, 0, 0, 0};
  std::uint8_t DecodeByte = 0;
  std::uint8_t DecodeDataFlag = 0;
  std::uint8_t DecodedData[16] = {};
  std::uint8_t DecodedFields[4][20] = {};
  std::vector<std::uint8_t> CarrierRecord;  // capture record '1'
  std::vector<std::uint8_t> WaveRecord;     // capture record '2'

  // --- Air-conditioner data format.
  std::int32_t AirFormatType = 0;
  std::int32_t FormatIndex = 0;
  std::int32_t OpenGroup2 = 0;  // 1: the frame is sent in two groups
  std::vector<wxString> FixedFunctions;
  std::vector<wxString> UserFunctions;

  // --- Project.
  std::int32_t Modified = 0;
  std::int32_t ProtocolImported = 0;
  wxString ChangedPageClass;
  wxString ProjectFolder;
  wxString ProjectName;
  wxString ProjectFilePath;
  wxString ResetNote;  // emptied by every reset
  wxString McuName;
  wxString PackageName;
  wxString ClearNote;  // emptied by a reset with clear
  wxString OutputFolder;
  std::int32_t ProtocolType = kProtocolStandard;  // a ProtocolKind
  std::int32_t RemoteType = kRemoteGeneral;       // a RemoteKind
  std::int32_t DecodePageOpen = 0;
  std::int32_t NewProject = 0;  // see SetNewProject
  bool PageValuesValid = false;

 private:
  wxString m_params[32];
  std::vector<stKeyValue> m_keyValues;
  std::vector<stAirKeyValue> m_airKeyValues;
  wxString m_templateFailure;
  wxString m_newOutputFolder;  // made by CreateOutputFolder, not yet preprocessed
  wxString m_failedPath;       // see GetFailedPath
  bool m_failedOnOutputFolder = false;

  struct stCopyPlan;
  // The newest framework folder's MCU and protocol folder; empty when missing.
  wxString FindFrameworkSource(const wxString& protocolName, const wxString& frameworkName);
  wxString ResolveFrameworkSource(const wxString& relativeSource) const;
  // Names the output folder after the project and the time and removes what
  // an earlier output of that name left (but its "src" folders).
  bool StartOutputFolder(bool* isNew);
  // Copies the framework into the started output folder; a failed copy takes
  // back what it made. isNew: the folder held nothing before.
  bool CopyFrameworkToOutput(const wxString& source, bool isNew);
  OutputStep WriteDecidedOutput(const wxString& source, const wxString& overlay);
  OutputStep WriteDecidedOverOutput(const wxString& source, const wxString& overlay);
  OutputStep CopyThenPreprocess(const wxString& source, const wxString& overlay, bool isNew, bool preprocess);
  bool CopyFolderTree(const wxString& source, const wxString& destination, std::vector<wxString>* made);
  bool PlanFolderCopy(const wxString& source, const wxString& destination, stCopyPlan& plan);
  bool MakePlannedFolders(const stCopyPlan& plan, std::vector<wxString>* made);
  bool FailOn(const wxString& path);  // keeps the first failure in m_failedPath
  // The same for a folder of the output that could not be made or emptied.
  bool FailOnOutputFolder(const wxString& folder);
  OutputStep CopyFailure() const;

  void ResetParams(bool keep);
  void ResetProjectValues();
  // The reset values that follow the remote type (and the chip).
  std::int32_t DefaultRepeatCodeOn() const;
  std::int32_t DefaultRemDrv() const;
};

static_assert(sizeof(CDocManage::stKeyValue) == 2002, "stKeyValue keeps its raw layout");
static_assert(sizeof(CDocManage::stAirKeyValue) == 4000, "stAirKeyValue keeps its raw layout");

extern CDocManage g_DocManage;

// The capture records the receiver reads: '1' (carrier edges) and '2' (wave edges).
bool IsCaptureRecordId(std::uint8_t id);
std::uint16_t GetCaptureRecordCapacity(std::uint8_t id);
