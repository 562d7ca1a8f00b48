// Chip definition files: any bytes load or are refused with a message.
#include "FuzzSupport.h"

#include "core/ChipModel.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::SilenceMessageBoxes();
  const wxString path = fuzzsupport::WriteScratch("chip.afg", data, size);
  CChipInfo chip;
  if (!chip.Load("FUZZ", path)) return 0;
  // Every query of a loaded chip answers within its packages and pins.
  chip.GetDefaultPackageIndex();
  for (const auto& package : chip.packages) {
    std::vector<int> found;
    package->FindPinsWithFeatures({kFeatureIO, kFeatureKEY}, found);
    wxString onIc, outKey;
    for (int pin = -1; pin <= package->GetPinCount(); ++pin) {
      package->GetPinNames(pin, onIc, outKey);
      if (CPin* found = package->GetPin(pin)) {
        for (int usage = -1; usage < 24; ++usage) found->GetUsageValue(usage);
      }
    }
  }
  return 0;
}
