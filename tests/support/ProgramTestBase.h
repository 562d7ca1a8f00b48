#pragma once

#include <gtest/gtest.h>

#include "ProgramState.h"
#include "TempDir.h"

namespace testsupport {

// Base of the fixtures that run the program's windows: the user folders point
// at a temporary folder for the suite's life, and each test changes the
// program-wide state through `state`, which puts it back when the test ends.
class ProgramTestBase : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  // The program installed from the source tree, as a start leaves it:
  // install paths, English texts, the display at 96 dpi, the general
  // framework's folders, an empty document and macro table, no project.
  void ResetToInstalledProgram();

  static TempDir* home;
  ProgramState state;
};

}  // namespace testsupport
