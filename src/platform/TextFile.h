// Text files in the encodings the program meets: UTF-16LE/BE with BOM, UTF-8
// with or without BOM, and 8-bit text (read as Latin-1 when not valid UTF-8;
// the ANSI code page on Windows).
#pragma once

#include <wx/string.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace platform {

enum class TextEncoding { Utf16LE, Utf16BE, Utf8Bom, Utf8, EightBit };

// Decodes raw file bytes; encoding receives what was detected. Bytes without a
// BOM are Utf8 when they are valid UTF-8 (plain ASCII included), else EightBit.
// UTF-16 text may hold unpaired surrogates: they are kept as they are, so that
// the text encodes back to the same bytes.
wxString DecodeText(const std::string& bytes, TextEncoding* encoding = nullptr);

// Encodes text in the given encoding, with its BOM where it has one. EightBit
// writes '?' for a character the 8-bit code page lacks.
std::string EncodeText(const wxString& text, TextEncoding encoding);

// Whether EncodeText keeps every character of text (false for an 8-bit code
// page that lacks one of them).
bool CanEncodeText(const wxString& text, TextEncoding encoding);

// The file-system path of a wxString path (UTF-16 on Windows, UTF-8 elsewhere).
// Safe on a wxString that other threads use at the same time.
std::filesystem::path ToFsPath(const wxString& path);

// The wxString path of a file-system path; the inverse of ToFsPath.
wxString FromFsPath(const std::filesystem::path& path);

// The text in the console's 8-bit encoding: the OEM code page on Windows, UTF-8 elsewhere.
std::string ToOemText(const wxString& text);

// Opens a file with a C runtime mode ("rb", "wb", ...); null when it cannot be opened.
std::FILE* OpenFile(const wxString& path, const char* mode);

// Cuts an open file to length bytes (its stream flushed first); false on failure.
bool CutOpenFile(std::FILE* file, std::size_t length);

// Reads a whole file; false when it cannot be opened or read.
bool ReadFileBytes(const wxString& path, std::string& bytes);

// Writes bytes over the file at path (created when missing), without a
// temporary file: a failed write leaves the file cut short. For files that
// hold nothing worth keeping yet; WriteFileAtomically otherwise.
bool WriteFileBytes(const wxString& path, const std::string& bytes);

// Creates the file at path with bytes; false when anything (a file, a link)
// is already there or the write fails.
bool WriteNewFile(const wxString& path, const std::string& bytes);

// Creates the file at to with the bytes of the file at from, as WriteNewFile
// would write them, copied by the system where it can (no bytes pass through
// the process); false when from cannot be read, something is already at to,
// or the copy fails.
bool CopyToNewFile(const wxString& from, const wxString& to);

// Writes bytes to a temporary file beside path and renames it over path, so
// that a failed write never loses the old file. The temporary file is private
// while it is written, then takes the old file's mode (a new file's default
// mode when there is none) and reaches the disk before the rename; temporary
// files of path left by a killed writer are removed. Does not create folders.
// A symbolic link stays a link: the file it points to is replaced.
bool WriteFileAtomically(const wxString& path, const std::string& bytes);

// WriteFileAtomically, except that a symbolic link at path is itself replaced
// by the new file: what it points at is left as it is.
bool WriteFileReplacingLink(const wxString& path, const std::string& bytes);

// Moves the finished file from over to, durably; to keeps its mode.
bool ReplaceFileKeepingMode(const wxString& from, const wxString& to);

}  // namespace platform
