// The conditional preprocessor: defines from the input's first part, a file
// of any bytes rewritten or left unchanged.
#include "FuzzSupport.h"

#include "core/Preprocessor.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string defines, source;
  fuzzsupport::SplitInput(data, size, '\0', defines, source);
  CPreprocessor preprocessor;
  preprocessor.CollectDefines(fuzzsupport::WriteScratch(
      "defines.inc", reinterpret_cast<const std::uint8_t*>(defines.data()), defines.size()));
  preprocessor.PreprocessFile(fuzzsupport::WriteScratch(
      "source.asm", reinterpret_cast<const std::uint8_t*>(source.data()), source.size()));
  return 0;
}
