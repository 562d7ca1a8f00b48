// What the project document reads after an analysis, under the document's
// own names. This is the one place where those names meet the analyser's
// fields; the table below and the accessors must stay in step.
//
// | document's name                      | analyser field (g_IrCapture.result)                     |
// |--------------------------------------|---------------------------------------------------------|
// | capture-error flag                   | no carrier with no carrier period measured (0 Hz)       |
// | relearn flag                         | timing failure, or no carrier although a carrier was    |
// |                                      | measured (inconsistent bi-phase list), or no frame      |
// | carrier (kHz)                        | carrierKHz                                              |
// | duty                                 | duty                                                    |
// | time value (µs), valid-frame flag    | generic.gap.space, generic.gap.flag (connect time)      |
// | frame kind                           | frameKind (1..11, 15; 0 none)                           |
// | coding kind (1 = separate bit times) | generic.style                                           |
// | address, command, toggle             | address, command, toggle                                |
// | lead-code flag, its two times        | generic.leaderFlag, leaderMark, leaderSpace             |
// | frame length (µs)                    | generic.framePeriod                                     |
// | air-conditioner frame length (µs)    | generic.gap.space (the connect time)                    |
// | end code's two times                 | generic.secondLeaderMark, secondLeaderSpace             |
// | end kind (1, 2, 3)                   | generic.nextFrameCode                                   |
// | stop-bit flag                        | generic.stopBit                                         |
// | repeat flag                          | generic.repeatFlag                                      |
// | unit time                            | generic.halfBitTime                                     |
// | four bit times                       | generic.bit0Mark, bit0Space, bit1Mark, bit1Space        |
// | decoded data word                    | frameValue                                              |
// | four data words of the bit store     | generic.bitRegister, least significant word first       |
// | data flag, frame-text flag           | generic.splitFlag                                       |
// | data bit count                       | generic.bitCount                                        |
// | frame fields 1..4, bit lengths b1..b4| generic.segments[0..3], least significant word first    |
// | C flag of the first field            | generic.gap.flag                                        |
// | E flag                               | generic.end.flag                                        |
// | IL flag                              | generic.secondFrameFlag                                 |
// | C flag of the third field            | generic.secondGap.flag                                  |
//
// Word order: the document walks its 16-byte data and 20-byte fields from the
// first byte on, each byte in front of the text, so the first byte is the
// least significant. Words are therefore handed over least significant first
// and are meant to be stored in host (little-endian) order.
#pragma once

#include <cstdint>

constexpr int kBitStoreWords = 4;
constexpr int kFrameFieldWords = 5;
constexpr int kFrameFieldCount = 4;

bool AnalyserCaptureErrorFlag();
bool AnalyserRelearnFlag();

double AnalyserCarrierKHz();
float AnalyserDuty();
std::uint32_t AnalyserTimeValue();
bool AnalyserValidFrameFlag();

std::uint16_t AnalyserFrameKind();
std::uint16_t AnalyserCodingKind();
std::uint16_t AnalyserAddress();
std::uint16_t AnalyserCommand();
std::uint16_t AnalyserToggle();

bool AnalyserLeadCodeFlag();
std::uint32_t AnalyserLeadCodeMark();
std::uint32_t AnalyserLeadCodeSpace();
std::uint32_t AnalyserFrameLength();
std::uint32_t AnalyserAirFrameLength();
std::uint32_t AnalyserEndCodeMark();
std::uint32_t AnalyserEndCodeSpace();
std::uint16_t AnalyserEndKind();
bool AnalyserStopBitFlag();
bool AnalyserRepeatFlag();

std::uint32_t AnalyserUnitTime();
// 0 bit-0 mark, 1 bit-0 space, 2 bit-1 mark, 3 bit-1 space; 0 for another index.
std::uint32_t AnalyserBitTime(int index);

std::uint32_t AnalyserDataWord();
// index 0..3, 0 = the last 32 received bits; 0 for another index.
std::uint32_t AnalyserBitStoreWord(int index);
bool AnalyserDataFlag();
bool AnalyserFrameTextFlag();
std::uint16_t AnalyserDataBitCount();

// field 0..3, word 0..4 (0 = least significant); 0 for other indices.
std::uint32_t AnalyserFrameFieldWord(int field, int word);
std::uint16_t AnalyserFrameFieldBitLength(int field);
bool AnalyserFirstFieldCFlag();
bool AnalyserEFlag();
bool AnalyserILFlag();
bool AnalyserThirdFieldCFlag();
