// The main window as the program builds it, with the start pages registered
// by the program's own object library, in a private home folder.
#pragma once

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/SubBaseDlg.h"
#include "ui/pages/ExamplePage.h"
#include "ui/pages/GlobalSelDlg.h"
#include "ui/pages/HistoryList.h"
#include "ui/pages/HomePage.h"
#include "ui/shell/OlvantaDlg.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/utils.h>

#include <filesystem>
#include <functional>

class PagesTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    // Each test starts without recent projects.
    std::filesystem::remove_all(std::filesystem::path(home->File("data").utf8_string()));
    platform::ClearProfileCache();
    UseInstall(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = state.App().defaultLangSection = "1252";
    state.FrameworkKind() = 0;
    state.Doc().Reset(true, false);
    state.Doc().ProjectName.clear();
    state.Doc().ProjectFolder.clear();
    state.Doc().ProjectFilePath.clear();
    state.Doc().McuName.clear();
    state.Doc().PackageName.clear();
    state.Doc().Modified = 0;
    state.Doc().RemoteType = 0;
    state.Doc().ProtocolType = 1;
  }

  void TearDown() override { CTDS_History_Dlg::SetFolderOpener(nullptr); }

  void UseInstall(const wxString& folder) {
    state.App().BuildInstallPaths(folder);
    InitDisplayScale(g_App.uiConfigFolder, 96);
    state.App().protocolFolder = g_App.GetProtocolFolder(0);
    state.App().icFolder = g_App.GetIcFolder(0);
  }

  // The main window of brand run as the program runs it, with body inside its modal loop.
  void RunBrandWindow(int brand, const std::function<void()>& body) {
    state.BrandFlag() = brand;
    RunMainWindow(body);
  }

  template <class Page>
  Page* PageOf(int id) {
    return dynamic_cast<Page*>(dialog->FindPage(id));
  }
  CGlobalSelDlg* GlobalSel() {
    return dynamic_cast<CGlobalSelDlg*>(dialog->GetClientWindow()->FindWindow(CGlobalSelDlg::kTemplateId));
  }

  // Clicks line index of a list (scrolled into view first).
  static void ClickLine(CTDS_History_Dlg* list, int index) {
    const int row = index - list->GetFirstVisible();
    ASSERT_GE(row, 0);
    ASSERT_LT(row, list->GetVisibleCount());
    const wxRect rect = list->RowRect(row);
    testsupport::MouseMove(list, rect.GetPosition() + wxSize(10, rect.height / 2));
    testsupport::Click(list, rect.GetPosition() + wxSize(10, rect.height / 2));
    testsupport::PumpEvents();
  }

  void ShowExamplePage() { Press(PageOf<CHomePage>(CHomePage::kTemplateId)->FindWindow(CHomePage::kNextId)); }

  std::vector<wxString> BoxTexts() const {
    std::vector<wxString> texts;
    for (const auto& box : recorder.boxes) texts.push_back(box.text);
    return texts;
  }

  testsupport::TempDir work;
  testsupport::CMessageRecorder recorder;
};
