#pragma once

#include <gtest/gtest.h>
#include <wx/string.h>

#include <functional>

#include "ProgramTestBase.h"

class COlvantaDlg;
class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxWindow;

namespace testsupport {

// Runs the main window as the program does (set-up, then its modal loop) and
// calls body inside that loop once the X server shows the window. The window
// closes when body returns, unless body closed it; a set-up that fails fails
// the test.
void RunProgramMainWindow(const std::function<void(COlvantaDlg&)>& body);

// Base of the page tests that run the main window (ProgramTestBase: user
// folders for the suite, the program state put back after each test).
class PageTestBase : public ProgramTestBase {
 protected:
  // Where the expression library comes from: the source install, or the
  // program's folder, into which the build puts it.
  enum class ExpressionLibrary { kInstalled, kBuilt };

  // Copies the installed general-remote example `name` (its whole folder) to `folder`.
  static void CopyGeneralRemoteExample(const wxString& name, const wxString& folder);

  // RunProgramMainWindow with the window as `dialog` while body runs.
  void RunMainWindow(const std::function<void()>& body,
                     ExpressionLibrary library = ExpressionLibrary::kInstalled);

  // From the start page of the open main window: Next, the example page's
  // new-project button, and in the modal dialog the name typed, the location
  // typed over the suggested one, mode `modeIndex` picked, and Finish.
  void CreateProjectWithNewProjectDialog(const wxString& name, const wxString& folder, int modeIndex);

  // User actions as the toolkit reports them, each followed by the events they cause.
  static void Press(wxWindow* button);
  static void Pick(wxChoice* choice, int index);
  static void Choose(wxRadioButton* radio);
  static void Tick(wxCheckBox* box, bool on);

  COlvantaDlg* dialog = nullptr;
};

}  // namespace testsupport
