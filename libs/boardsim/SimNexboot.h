// The simulator's one bootloader and the session its Nexboot exports use.
#pragma once

#include "SimBootloader.h"

namespace boardsim {

CSimBootloader& SimBootloader();
nexboot::CBootSession& SimBootSession();

}  // namespace boardsim
