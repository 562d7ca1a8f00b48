// Registers the air-conditioner pages with the main window by their template ids.
#pragma once

void RegisterAirconPages();
