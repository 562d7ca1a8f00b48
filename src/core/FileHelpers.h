// File, folder and brand helpers.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <vector>

// The path exists, as a file or a folder.
bool FileExists(const wxString& path);

// Creates the missing folders of path, looking for separators from start on.
// The result is that of creating the path itself, so an existing path gives
// false and changes nothing.
bool CreateFolderPath(const wxString& path, int start = 0);

// The user's local application-data folder; empty when it cannot be named.
wxString GetLocalAppDataPath();
// "OVK_Project" in the user's documents folder; empty when it cannot be named.
wxString GetDefaultProjectRoot();

// The two characters after the last "." are "ov" (maker) or "lm" (partner).
bool IsProjectFileOfBrand(const wxString& fileName);

// The chips the program offers under the current brand: the partner brand
// offers only "QK21C0510", the maker brand every other chip.
bool IsMcuOfferedUnderBrand(const wxString& mcu);

// The project's [Project] MCU belongs to the current brand by name (maker: not
// beginning "LM"; partner: beginning "LM"); under the partner brand the chip it
// offers passes too.
bool IsProjectChipOfBrand(const wxString& projectFile);

// One entry of a folder listing.
struct stFolderEntry {
  wxString name;
  bool isFolder = false;       // a folder or a link to one
  bool isLink = false;         // a symbolic link
  bool isRegularFile = false;  // a regular file or a link to one
};

// The entries of folder, in the file system's order, without "." and "..".
// The listing gives each entry's type: only links are looked up. False when
// the folder cannot be listed.
bool ReadFolderEntries(const wxString& folder, std::vector<stFolderEntry>& entries);

// foldersOnly: the names of folder's immediate sub-folders. Else every file's
// full path (or title without extension), descending into sub-folders. Hidden
// sub-folders are skipped in both modes.
void ListFilesRecursive(std::vector<wxString>& out, const wxString& folder, bool foldersOnly,
                        bool titlesOnly);

// The newest receiver firmware file: its version and its path as the folder
// names it (the folder and the file are found in any case).
struct stReceiverFirmware {
  std::uint16_t version = 0;
  wxString path;
};

// The greatest version among "FW/IRRC_Receiver_????.bin" of the install
// folder (a later file wins a tie); false when none is found.
bool FindReceiverFirmware(stReceiverFirmware& found);
bool FindReceiverFirmware(std::uint16_t& version);

// The version in a firmware file title ("IRRC_Receiver_01A3" gives 0x01A3); 0
// when the title does not have that form.
std::uint16_t ParseReceiverFirmwareTitle(const wxString& title);
