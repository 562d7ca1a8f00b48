// Registers the key pages with the main window by their template ids.
#pragma once

void RegisterKeysPages();
