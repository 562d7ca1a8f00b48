#include "platform/gui/ModelessWindow.h"

#include <wx/toplevel.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace platform {

void KeepInputWhileOthersAreModal(wxTopLevelWindow* window) {
#ifdef __WXGTK__
  if (!window || !window->m_widget) return;
  GtkWindowGroup* group = gtk_window_group_new();
  gtk_window_group_add_window(group, GTK_WINDOW(window->m_widget));
  // The window holds the group from here on.
  g_object_unref(group);
#else
  (void)window;
#endif
}

}  // namespace platform
