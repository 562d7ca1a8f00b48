#include "PageTestBase.h"

#include "core/ExprEngine.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "ui/pages/ExamplePage.h"
#include "ui/pages/HomePage.h"
#include "ui/pages/NewPrjPage.h"
#include "ui/shell/OlvantaDlg.h"
#include "RealInput.h"
#include "UiEvents.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <filesystem>

namespace testsupport {

void PageTestBase::CopyGeneralRemoteExample(const wxString& name, const wxString& folder) {
  const wxString examples =
      platform::JoinPath(OLV_SOURCE_DIR, "install/Example/General type remote controller");
  std::filesystem::copy(platform::ToFsPath(platform::JoinPath(examples, name)), platform::ToFsPath(folder),
                        std::filesystem::copy_options::recursive);
}

void RunProgramMainWindow(const std::function<void(COlvantaDlg&)>& body) {
  bool ran = false;
  const int result = COlvantaDlg::RunAsMainWindow(wxString(), [&](COlvantaDlg& window) {
    ran = true;
    if (WaitUntilMapped(&window)) body(window);
    if (window.IsModal()) window.EndModal(wxID_CANCEL);
  });
  PumpEvents();
  EXPECT_EQ(result, 0) << "the main window's set-up failed";
  EXPECT_TRUE(ran || result != 0) << "the main window never ran its modal loop";
}

void PageTestBase::RunMainWindow(const std::function<void()>& body, ExpressionLibrary library) {
  RunProgramMainWindow([&](COlvantaDlg& window) {
    dialog = &window;
    if (library == ExpressionLibrary::kBuilt) {
      EXPECT_TRUE(g_ExprEngine.Load(OLV_DIST_DIR));
    }
    body();
  });
  dialog = nullptr;
}

void PageTestBase::CreateProjectWithNewProjectDialog(const wxString& name, const wxString& folder,
                                                     int modeIndex) {
  ASSERT_TRUE(dialog);
  Press(dialog->FindPage(CHomePage::kTemplateId)->FindWindow(CHomePage::kNextId));
  wxWindow* examples = dialog->FindPage(CExamplePage::kTemplateId);
  ASSERT_TRUE(examples);
  bool finished = false;
  // The dialog runs modally; the user fills it in once it is up.
  wxTheApp->CallAfter([&] {
    CNewPrjPage* page = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* found = dynamic_cast<CNewPrjPage*>(window)) page = found;
    }
    ASSERT_TRUE(page);
    TypeText(page->GetNameEdit(), name);
    page->GetLocationEdit()->SelectAll();
    TypeText(page->GetLocationEdit(), folder);
    Pick(page->GetModeList(), modeIndex);
    finished = true;
    Press(page->GetClientWindow()->FindWindow(CNewPrjPage::kFinishId));
  });
  Click(examples->FindWindow(CExamplePage::kNewProjectId), wxPoint(20, 20));
  PumpEvents();
  ASSERT_TRUE(finished);
}

void PageTestBase::Press(wxWindow* button) {
  ASSERT_TRUE(button);
  wxCommandEvent event(wxEVT_BUTTON, button->GetId());
  event.SetEventObject(button);
  button->ProcessWindowEvent(event);
  PumpEvents();
}

void PageTestBase::Pick(wxChoice* choice, int index) {
  ASSERT_TRUE(choice);
  ASSERT_LT(index, static_cast<int>(choice->GetCount()));
  choice->SetSelection(index);
  wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
  event.SetEventObject(choice);
  event.SetInt(index);
  event.SetString(choice->GetString(index));
  choice->ProcessWindowEvent(event);
  PumpEvents();
}

void PageTestBase::Choose(wxRadioButton* radio) {
  ASSERT_TRUE(radio);
  radio->SetValue(true);
  wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
  event.SetEventObject(radio);
  event.SetInt(1);
  radio->ProcessWindowEvent(event);
  PumpEvents();
}

void PageTestBase::Tick(wxCheckBox* box, bool on) {
  ASSERT_TRUE(box);
  box->SetValue(on);
  wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
  event.SetEventObject(box);
  event.SetInt(on ? 1 : 0);
  box->ProcessWindowEvent(event);
  PumpEvents();
}

}  // namespace testsupport
