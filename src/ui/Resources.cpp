#include "ui/Resources.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

// Generated: the table of every compiled resource.
extern const stResource g_ProgramResources[];
extern const std::size_t g_ProgramResourceCount;

namespace {

bool DecodeResource(const stResource& resource, wxImage& image) {
  wxMemoryInputStream stream(resource.data, resource.size);
  wxLogNull quiet;
  return image.LoadFile(stream, wxBITMAP_TYPE_ANY);
}

}  // namespace

const stResource* FindProgramResource(int id, ResourceKind kind) {
  for (std::size_t i = 0; i < g_ProgramResourceCount; ++i) {
    const stResource& resource = g_ProgramResources[i];
    if (resource.id == id && resource.kind == kind) return &resource;
  }
  return nullptr;
}

wxIcon LoadIconResource(int id) {
  wxIcon icon;
  const stResource* resource = FindProgramResource(id, ResourceKind::kIcon);
  wxImage image;
  if (resource && DecodeResource(*resource, image)) icon.CopyFromBitmap(wxBitmap(image));
  return icon;
}

wxCursor LoadCursorResource(int id) {
  const stResource* resource = FindProgramResource(id, ResourceKind::kCursor);
  wxImage image;
  if (!resource || !DecodeResource(*resource, image)) return wxCursor();
  image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, resource->hotspotX);
  image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, resource->hotspotY);
  return wxCursor(image);
}
