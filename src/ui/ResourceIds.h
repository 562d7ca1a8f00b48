// Ids of the program's compiled resources (see Resources.h). Each id names
// one entry of resources/resources.txt.
#pragma once

// Pictures ("png" resources).
constexpr int IDB_PAGE_BACKGROUND = 142;     // background of the shell pages
constexpr int IDB_KEY_SWITCH_GREY = 162;     // inactive key: dashed grey switch symbol, 40 x 25
constexpr int IDB_KEY_SWITCH = 163;          // active key: coloured switch symbol, 40 x 25
constexpr int IDB_KEY_SWITCH_DIAGRAM = 167;  // key on the circuit diagram: black, 40 x 26

// Icons.
constexpr int IDR_MAINFRAME = 128;      // partner brand
constexpr int IDI_OLVANTA_MAKER = 205;  // maker brand

// Cursors.
constexpr int IDC_DRAG_BLOCK = 146;  // dragging a frame block or pin label
