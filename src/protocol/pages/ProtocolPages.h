// Registers the protocol pages with the main window by their template ids.
#pragma once

void RegisterProtocolPages();
