// main() of the GUI tests: starts wxWidgets on the display (Xvfb under
// scripts/test) and runs the tests inside the application.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {

// A failed wx assertion fails the running test instead of opening a modal box.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str().data(), line) << "wx assertion failed in " << func.utf8_str().data() << ": "
                                               << cond.utf8_str().data() << " " << msg.utf8_str().data();
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  wxSetAssertHandler(FailOnAssert);
  wxApp::SetInstance(new wxApp());
  wxEntryStart(argc, argv);
  wxTheApp->CallOnInit();
  // As in the program: the toolkit's own diagnostics go to standard error, never into modal boxes.
  delete wxLog::SetActiveTarget(new wxLogStderr);
  wxInitAllImageHandlers();
  int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
