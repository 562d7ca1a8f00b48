#include "LayoutChecks.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include <sstream>
#include <vector>

namespace testsupport {
namespace {

// Room a push button's frame takes beside its text.
constexpr int kButtonFrame = 8;

// What a drop-down list's frame and arrow take beside the item's text, as
// the toolkit sizes a list to a text.
int ChoiceFrameWidth(wxWindow* parent) {
  auto* probe = new wxChoice(parent, wxID_ANY);
  const wxString text = "Simple LCD remote";
  probe->Append(text);
  const int frame = probe->GetBestSize().x - probe->GetTextExtent(text).x;
  probe->Destroy();
  return frame;
}

int TextWidth(wxWindow* control, const wxString& text) {
  wxClientDC dc(control);
  dc.SetFont(control->GetFont());
  return dc.GetMultiLineTextExtent(text).x;
}

// Every shown control under window whose text is wider than the control, one line each.
void CollectClippedTexts(wxWindow* window, int choiceFrame, ListItems items, std::ostringstream& out) {
  for (wxWindow* child : window->GetChildren()) {
    if (!child->IsShown() || child->IsTopLevel()) continue;
    const int width = child->GetSize().x;
    if (auto* choice = dynamic_cast<wxChoice*>(child)) {
      wxArrayString texts = choice->GetStrings();
      if (items == ListItems::kShown) {
        texts.clear();
        if (choice->GetSelection() != wxNOT_FOUND) texts.push_back(choice->GetStringSelection());
      }
      for (const wxString& item : texts) {
        const int needed = TextWidth(choice, item) + choiceFrame;
        if (needed > width) {
          out << "list " << choice->GetId() << " '" << item.utf8_string() << "' needs " << needed << ", has "
              << width << "\n";
        }
      }
    } else if (auto* control = dynamic_cast<wxControl*>(child);
               control && !dynamic_cast<wxTextCtrl*>(child)) {
      const wxString text = control->GetLabelText();
      const int frame = dynamic_cast<wxButton*>(child) ? kButtonFrame : 0;
      if (!text.empty() && TextWidth(control, text) + frame > width) {
        out << "control " << control->GetId() << " '" << text.utf8_string() << "' needs "
            << TextWidth(control, text) + frame << ", has " << width << "\n";
      }
    }
    CollectClippedTexts(child, choiceFrame, items, out);
  }
}

}  // namespace

std::string ClippedTexts(wxWindow* window, ListItems items) {
  std::ostringstream out;
  CollectClippedTexts(window, ChoiceFrameWidth(window), items, out);
  return out.str();
}

// The rectangles of the shown controls of window that overlap another one.
std::string OverlappingControls(wxWindow* window) {
  std::ostringstream out;
  std::vector<wxWindow*> shown;
  for (wxWindow* child : window->GetChildren()) {
    if (child->IsShown() && child->GetSize().y > 1) shown.push_back(child);
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (shown[i]->GetRect().Intersects(shown[j]->GetRect())) {
        out << shown[i]->GetId() << " and " << shown[j]->GetId() << "\n";
      }
    }
  }
  return out.str();
}

}  // namespace testsupport
