#pragma once

#include <gtest/gtest.h>

#include "TempDir.h"

namespace testsupport {

// Base of the page tests that run the main window: the user folders point at
// a temporary folder for the suite's life, and each test starts from the
// program installed from the source tree (English texts, the general remote's
// folders) with an empty document and no project.
class PageTestBase : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  // The install paths, texts, framework kind and document as a start leaves them.
  static void ResetToInstalledProgram();

  static TempDir* home;
};

}  // namespace testsupport
