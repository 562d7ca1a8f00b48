// A framework of 201 files (about 5.3 MB) written for the generation benches:
// .inc files with defines, .asm files of conditional blocks around plain code
// and text files, with a chosen share of directive lines. Conditions repeat
// from file to file as a real framework's do; some lines carry non-ASCII text.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace stress {

namespace fs = std::filesystem;

constexpr int kIncFiles = 40;
constexpr int kAsmFiles = 140;
constexpr int kOtherFiles = 21;
constexpr std::size_t kBytesPerFile = 26400;

inline void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline void AppendFiller(std::string& text, int seed, int count) {
  char line[112];
  for (int i = 0; i < count; ++i) {
    const int n = seed + i;
    if (n % 11 == 0)
      std::snprintf(line, sizeof line,
                    "\tNOP\t\t\t; r\xC3\xA9glage %d \xE2\x80\x94 \xE6\xAD\xA5\xE9\xAA\xA4\r\n", n);
    else
      std::snprintf(line, sizeof line, "\tMOV\tR%d,#%02XH\t\t; load register %d for step %d\r\n", n % 8,
                    (n * 31) & 0xFF, n % 8, n);
    text += line;
  }
}

// The opening line of block b of a file.
inline std::string OpeningLine(int file, int b) {
  char line[128];
  const int feature = (file * 7 + b) % kIncFiles, name = b % 30;
  switch (b % 6) {
    case 0: std::snprintf(line, sizeof line, "\tIFDEF FEATURE_%d_%d\r\n", feature, name); break;
    case 1: std::snprintf(line, sizeof line, "\tIF FEATURE_%d_%d == 1\r\n", feature, name); break;
    case 2: std::snprintf(line, sizeof line, "\tIFNDEF MISSING_%d\r\n", b % 50); break;
    case 3:
      std::snprintf(line, sizeof line, "\tIF (FEATURE_%d_%d > 0) && (FEATURE_%d_1 < 2)\r\n", feature, name,
                    feature);
      break;
    case 4:
      std::snprintf(line, sizeof line, "\tIF FEATURE_%d_%d == 2 || FEATURE_%d_2 == 0 ; \xC3\xA9tat\r\n",
                    feature, name, feature);
      break;
    default: std::snprintf(line, sizeof line, "\tIF UNKNOWN_%d == 1\r\n", b % 20); break;
  }
  return line;
}

// Blocks of IF, ELSE and ENDIF lines with filler between them until the file
// holds kBytesPerFile bytes; directiveShare of the lines are directives.
inline std::string SourceFile(int file, bool withDefines, double directiveShare) {
  std::string text = "; generated stress source\r\n";
  char line[128];
  if (withDefines) {
    for (int d = 0; d < 30; ++d) {
      std::snprintf(line, sizeof line, "#define FEATURE_%d_%d %d\r\n", file, d, d % 3);
      text += line;
    }
  }
  const double fillerPerBlock = 3.0 * (1.0 - directiveShare) / directiveShare;
  for (int b = 0; text.size() < kBytesPerFile; ++b) {
    const int filler = static_cast<int>((b + 1) * fillerPerBlock) - static_cast<int>(b * fillerPerBlock);
    const int first = filler / 3, second = filler / 3, third = filler - 2 * (filler / 3);
    text += OpeningLine(file, b);
    AppendFiller(text, b, first);
    text += "\tELSE\r\n";
    AppendFiller(text, b + 1, second);
    text += "\tENDIF\r\n";
    AppendFiller(text, b + 2, third);
  }
  return text;
}

// <root>/Protocols/Custom/IR_FrameWork_BENCH_V1.0/MCU/PROTO (protocol type 2);
// the folder made.
inline fs::path WriteFramework(const fs::path& root, double directiveShare) {
  const fs::path source = root / "Protocols/Custom/IR_FrameWork_BENCH_V1.0/MCU/PROTO";
  const fs::path folders[] = {source, source / "lib", source / "drivers", source / "include"};
  for (const fs::path& folder : folders) fs::create_directories(folder);
  for (int i = 0; i < kIncFiles; ++i)
    WriteText(folders[3] / ("Config" + std::to_string(i) + ".inc"), SourceFile(i, true, directiveShare));
  for (int i = 0; i < kAsmFiles; ++i)
    WriteText(folders[i % 3] / ("Module" + std::to_string(i) + ".asm"), SourceFile(i, false, directiveShare));
  for (int i = 0; i < kOtherFiles; ++i) {
    std::string text;
    while (text.size() < kBytesPerFile) AppendFiller(text, i + static_cast<int>(text.size()), 8);
    WriteText(folders[i % 4] / ("Notes" + std::to_string(i) + ".txt"), text);
  }
  return source;
}

}  // namespace stress
