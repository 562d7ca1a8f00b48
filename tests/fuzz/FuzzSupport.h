// What the fuzz targets share: a scratch folder of their own, inputs written
// to files there, and a message-box service that answers every box silently.
#pragma once

#include "platform/MessageBox.h"

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzsupport {

// A folder of this process under the temporary folder, made on first use.
const wxString& ScratchFolder();
// Path of name inside the scratch folder.
wxString ScratchFile(const wxString& name);
// Writes bytes to the scratch file name; its path.
wxString WriteScratch(const wxString& name, const std::uint8_t* data, std::size_t size);

// Installs a service that shows nothing and answers OK.
void SilenceMessageBoxes();

// Splits the input at the first occurrence of separator: before it, after it.
// Without a separator, all of it is head and tail is empty.
void SplitInput(const std::uint8_t* data, std::size_t size, char separator, std::string& head,
                std::string& tail);

}  // namespace fuzzsupport
