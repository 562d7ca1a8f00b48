// main() of the GUI tests: starts wxWidgets on the display (Xvfb under
// scripts/test) and runs the tests inside the application.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

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
  wxInitAllImageHandlers();
  int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
