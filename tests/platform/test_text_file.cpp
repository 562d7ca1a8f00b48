#include "platform/TextFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>

#include <string>

namespace {

// Bytes of every value, several times the size of one system copy buffer.
std::string AllByteValues() {
  std::string bytes;
  for (int round = 0; round < 1200; ++round)
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  return bytes;
}

TEST(TextFileCopy, CopiesTheBytesOnlyIntoANewFile) {
  testsupport::TempDir dir;
  const std::string bytes = AllByteValues();
  testsupport::WriteBytes(dir.File("from.bin"), bytes);
  testsupport::WriteBytes(dir.File("empty.bin"), "");
  testsupport::WriteBytes(dir.File("taken.bin"), "there before");

  EXPECT_TRUE(platform::CopyToNewFile(dir.File("from.bin"), dir.File("to.bin")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("to.bin")), bytes);
  EXPECT_TRUE(platform::CopyToNewFile(dir.File("empty.bin"), dir.File("empty-copy.bin")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("empty-copy.bin")), "");

  EXPECT_FALSE(platform::CopyToNewFile(dir.File("from.bin"), dir.File("taken.bin")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("taken.bin")), "there before");
  EXPECT_FALSE(platform::CopyToNewFile(dir.File("missing.bin"), dir.File("never.bin")));
  EXPECT_FALSE(wxFileExists(dir.File("never.bin")));
}

}  // namespace
