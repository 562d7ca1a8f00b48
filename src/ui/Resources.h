// The program's compiled resources (pictures, icons, cursors), found by the
// numeric ids of ResourceIds.h. The data is generated at build time from the
// files listed in resources/resources.txt.
#pragma once

#include <wx/cursor.h>
#include <wx/icon.h>

#include <cstddef>

enum class ResourceKind { kPng, kBitmap, kIcon, kCursor };

struct stResource {
  int id;
  ResourceKind kind;
  const unsigned char* data;
  std::size_t size;
  int hotspotX;  // cursors only
  int hotspotY;
};

// The resource of that id and kind, or null.
const stResource* FindProgramResource(int id, ResourceKind kind);

// The icon or cursor resource of that id; an invalid object when there is none.
wxIcon LoadIconResource(int id);
wxCursor LoadCursorResource(int id);
