#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/FileHelpers.h"
#include "platform/Paths.h"
#include "EndedProcess.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

class OutputFolderTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().protocolFolder = dir.File("Protocols");
    doc.ProjectFolder = dir.File("project");
    doc.ProjectName = "Remote";
    doc.McuName = "QK37A0660";
    doc.PackageName = "32 QFN";
    doc.ProtocolType = 2;
    CreateFolderPath(doc.ProjectFolder);
  }

  // A file below the protocol folder's "Custom" folder.
  void Framework(const wxString& relative, const std::string& bytes = "x") {
    const wxString path = dir.File("Protocols/Custom/" + relative);
    CreateFolderPath(wxFileName(path).GetPath());
    testsupport::WriteBytes(path, bytes);
  }

  testsupport::TempDir dir;
  CDocManage doc;
};

TEST_F(OutputFolderTest, HighestFrameworkVersionIsChosen) {
  for (const char* name : {"IR_FrameWork_STD_V1.0", "IR_FrameWork_STD_V1.2", "IR_FrameWork_STD_V1.1",
                           "ir_framework_std_V0.9", "IR_FrameWork_STD_old", "IR_FrameWork_USER_DEF_V9.0"}) {
    CreateFolderPath(dir.File(wxString("Protocols/Custom/") + name));
  }
  EXPECT_EQ(doc.FindLatestFramework(dir.File("Protocols"), "Custom", "IR_FrameWork_STD"),
            "IR_FrameWork_STD_V1.2");
  EXPECT_EQ(doc.FindLatestFramework(dir.File("Protocols"), "Custom", "IR_FrameWork_LCD_STD"), "");
}

TEST_F(OutputFolderTest, OutputFolderIsDatedAndHoldsTheFramework) {
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/main.asm", "main");
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/inc/defs.inc", "defs");
  ASSERT_TRUE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));
  const wxString out = doc.GetOutputFolder();
  EXPECT_TRUE(out.StartsWith(dir.File("project/Remote_")));
  EXPECT_EQ(wxFileName(out).GetFullName().length(), wxString("Remote_20261210_130000").length());
  EXPECT_EQ(testsupport::ReadBytes(out + "/main.asm"), "main");
  EXPECT_EQ(testsupport::ReadBytes(out + "/inc/defs.inc"), "defs");

  EXPECT_FALSE(doc.PrepareOutputFolder("NEC", "IR_FrameWork_STD"));  // no such protocol folder
  EXPECT_FALSE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_LCD_LITE"));
}

TEST_F(OutputFolderTest, OptionFileComesFromThePackageVariant) {
  Framework("F/IR_FrameWork_LCD_STD_QK37A0660.OPT", "generic");
  Framework("F/IR_FrameWork_LCD_STD_QK37A0660_32 QFN.OPT", "for 32 QFN");
  Framework("F/IR_FrameWork_LCD_STD_QK37A0660_44 LQFP.OPT", "for 44 LQFP");
  Framework("F/other.opt", "other");
  doc.RemoteType = 2;
  ASSERT_TRUE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/F"), dir.File("out")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("out/IR_FrameWork_LCD_STD_QK37A0660.OPT")), "for 32 QFN");
  EXPECT_FALSE(wxFileName::FileExists(dir.File("out/IR_FrameWork_LCD_STD_QK37A0660_32 QFN.OPT")));
  EXPECT_FALSE(wxFileName::FileExists(dir.File("out/IR_FrameWork_LCD_STD_QK37A0660_44 LQFP.OPT")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("out/other.opt")), "other");

  doc.PackageName = "64 LQFP";  // no variant for this package: the copy reports it
  EXPECT_FALSE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/F"), dir.File("out2")));
  doc.RemoteType = 0;
  ASSERT_TRUE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/F"), dir.File("out3")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("out3/IR_FrameWork_LCD_STD_QK37A0660.OPT")), "generic");
}

TEST_F(OutputFolderTest, RemovalKeepsSourceFolders) {
  CreateFolderPath(dir.File("tree/a/src/deep"));
  CreateFolderPath(dir.File("tree/b"));
  testsupport::WriteBytes(dir.File("tree/a/src/deep/mine.c"), "keep");
  testsupport::WriteBytes(dir.File("tree/a/gen.asm"), "x");
  testsupport::WriteBytes(dir.File("tree/top.inc"), "x");
  EXPECT_TRUE(doc.RemoveFolderTree(dir.File("tree")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("tree/a/src/deep/mine.c")), "keep");
  EXPECT_FALSE(wxFileName::FileExists(dir.File("tree/a/gen.asm")));
  EXPECT_FALSE(wxFileName::DirExists(dir.File("tree/b")));
  EXPECT_FALSE(wxFileName::FileExists(dir.File("tree/top.inc")));
  EXPECT_TRUE(doc.RemoveFolderTree(dir.File("missing")));
}

// Every file below folder with its bytes, by path relative to it.
std::map<std::string, std::string> TreeOf(const wxString& folder) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> tree;
  const fs::path root(std::string(folder.utf8_str()));
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      tree[fs::relative(entry.path(), root).generic_string()] = testsupport::ReadBytes(entry.path().string());
  return tree;
}

// The output made in one pass (a new folder) equals the one made step by step:
// the overlay's file takes the framework's place, and the defines are met in
// the folder walk's order, where "a/" comes before "B.inc" whatever the case.
TEST_F(OutputFolderTest, OnePassOutputEqualsTheStepByStepOne) {
  const wxString framework = "IR_FrameWork_STD_V1.0/QK37A0660/USER_DEF/";
  Framework(framework + "a/first.inc", "#define LEVEL 1\r\n");
  Framework(framework + "B.inc", "#define LEVEL 2\r\n");
  Framework(framework + "Main.asm",
            "IF LEVEL == 1\r\nfirst\r\nELSE\r\nsecond\r\nENDIF\r\nIFDEF KEYS\r\nkeys\r\nENDIF\r\n");
  Framework(framework + "Keys.inc", "; the framework's own\r\n");
  Framework(framework + "Remote.prj", "IF kept as it is\r\n");
  const wxString work = dir.File("work");
  CreateFolderPath(work + "/sub");
  testsupport::WriteBytes(work + "/Keys.inc", "#define KEYS 4\r\n");
  testsupport::WriteBytes(work + "/sub/Table.ASM", "IF LEVEL == 2\r\nno\r\nENDIF\r\ntable\r\n");

  ASSERT_EQ(doc.MakeOutputFolder("USER_DEF", "IR_FrameWork_STD", work, true), CDocManage::OutputStep::kDone);
  const auto onePass = TreeOf(doc.GetOutputFolder());

  CDocManage stepwise;
  stepwise.ProjectFolder = dir.File("stepwise");
  stepwise.ProjectName = doc.ProjectName;
  stepwise.McuName = doc.McuName;
  stepwise.ProtocolType = doc.ProtocolType;
  CreateFolderPath(stepwise.ProjectFolder);
  ASSERT_TRUE(stepwise.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));
  ASSERT_TRUE(stepwise.CopyTemplateFolder(work, stepwise.GetOutputFolder()));
  ASSERT_TRUE(stepwise.PreprocessFramework(stepwise.GetOutputFolder()));
  EXPECT_EQ(onePass, TreeOf(stepwise.GetOutputFolder()));

  EXPECT_EQ(onePass.at("Main.asm"), "first\r\nkeys");
  EXPECT_EQ(onePass.at("Keys.inc"), "#define KEYS 4");
  EXPECT_EQ(onePass.at("sub/Table.ASM"), "table");
  EXPECT_EQ(onePass.at("Remote.prj"), "IF kept as it is\r\n");  // neither .inc nor .asm
}

TEST_F(OutputFolderTest, OnePassOutputNamesWhatItFailedOn) {
  // Files met before the one that cannot be decided, in a sub-folder too.
  Framework("IR_FrameWork_STD_V1.0/QK37A0660/USER_DEF/A.txt", "plain\r\n");
  Framework("IR_FrameWork_STD_V1.0/QK37A0660/USER_DEF/a/first.inc", "#define LEVEL 1\r\n");
  Framework("IR_FrameWork_STD_V1.0/QK37A0660/USER_DEF/Main.asm", "ELSE\r\n");
  const wxString work = dir.File("work");
  CreateFolderPath(work);
  EXPECT_EQ(doc.MakeOutputFolder("USER_DEF", "IR_FrameWork_STD", work, true),
            CDocManage::OutputStep::kPreprocess);
  EXPECT_EQ(doc.GetFailedPath(), doc.GetOutputFolder() + wxFILE_SEP_PATH + "Main.asm");
  EXPECT_FALSE(wxFileName::DirExists(doc.GetOutputFolder()));  // nothing was written

  EXPECT_EQ(doc.MakeOutputFolder("USER_DEF", "IR_FrameWork_STD", dir.File("missing"), true),
            CDocManage::OutputStep::kCopy);
  EXPECT_EQ(doc.GetFailedPath(), dir.File("missing"));
  EXPECT_EQ(doc.MakeOutputFolder("NEC", "IR_FrameWork_STD", work, true),
            CDocManage::OutputStep::kNoFramework);
  EXPECT_EQ(doc.GetFailedPath(), "");
}

#ifndef _WIN32
TEST_F(OutputFolderTest, CopyAndPreprocessingNameTheFileTheyFailedOn) {
  namespace fs = std::filesystem;
  CreateFolderPath(dir.File("from/sub"));
  testsupport::WriteBytes(dir.File("from/a.asm"), "IF 1\r\n");
  testsupport::WriteBytes(dir.File("from/sub/z.inc"), "ok\r\n");
  fs::create_symlink("/nonexistent/olvanta-test", std::string(dir.File("from/sub/b.inc").utf8_str()));
  EXPECT_FALSE(doc.CopyTemplateFolder(dir.File("from"), dir.File("to")));
  EXPECT_EQ(doc.GetFailedPath(), dir.File("from/sub/b.inc"));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("to/sub/z.inc")), "ok\r\n");  // the rest is copied

  testsupport::WriteBytes(dir.File("to/sub/bad.asm"), "ELSE\r\n");
  EXPECT_FALSE(doc.PreprocessFramework(dir.File("to")));
  EXPECT_EQ(doc.GetFailedPath(), dir.File("to/sub/bad.asm"));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("to/sub/z.inc")), "ok");  // the rest is processed

  fs::remove(std::string(dir.File("from/sub/b.inc").utf8_str()));
  EXPECT_TRUE(doc.CopyTemplateFolder(dir.File("from"), dir.File("to")));
  EXPECT_EQ(doc.GetFailedPath(), "");
}

TEST_F(OutputFolderTest, RemovalDeletesLinksButNeverWhatTheyPointAt) {
  namespace fs = std::filesystem;
  const fs::path root(std::string(dir.Path().utf8_str()));
  CreateFolderPath(dir.File("outside/inner"));
  testsupport::WriteBytes(dir.File("outside/precious.txt"), "keep");
  testsupport::WriteBytes(dir.File("outside/inner/also.txt"), "keep");
  CreateFolderPath(dir.File("tree/sub"));
  fs::create_directory_symlink(root / "outside", root / "tree/sub/linked");
  fs::create_symlink(root / "outside/precious.txt", root / "tree/file-link");
  fs::create_directory_symlink(root / "outside", root / "tree-link");

  EXPECT_TRUE(doc.RemoveFolderTree(dir.File("tree-link")));  // the link itself goes
  EXPECT_TRUE(doc.RemoveFolderTree(dir.File("tree")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(root / "tree")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(root / "tree-link")));
  EXPECT_EQ(testsupport::ReadBytes(dir.File("outside/precious.txt")), "keep");
  EXPECT_EQ(testsupport::ReadBytes(dir.File("outside/inner/also.txt")), "keep");
}

// What stands at path, a link not followed: "link", "folder", or the file's bytes.
std::string EntryAt(const wxString& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(std::string(path.utf8_str()), ec);
  if (fs::is_symlink(status)) return "link";
  if (fs::is_directory(status)) return "folder";
  if (!fs::exists(status)) return "nothing";
  return testsupport::ReadBytes(path);
}

TEST_F(OutputFolderTest, PreprocessingReplacesALinkAndLeavesWhatItPointsAt) {
  namespace fs = std::filesystem;
  testsupport::WriteBytes(dir.File("outside.inc"), "\r\nshared\r\n");
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/main.asm", "main");
  ASSERT_TRUE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));
  // A new output folder is rewritten in place, an earlier one file by file.
  CreateFolderPath(dir.File("earlier"));
  for (const wxString& folder : {doc.GetOutputFolder(), dir.File("earlier")}) {
    const wxString link = folder + "/linked.inc";
    fs::create_symlink(std::string(dir.File("outside.inc").utf8_str()), std::string(link.utf8_str()));
    EXPECT_TRUE(doc.PreprocessFramework(folder)) << folder;
    EXPECT_EQ(EntryAt(link), "shared") << folder;
    EXPECT_EQ(testsupport::ReadBytes(dir.File("outside.inc")), "\r\nshared\r\n") << folder;
  }
}

TEST_F(OutputFolderTest, TheCopyNeverFollowsALinkToAFolder) {
  namespace fs = std::filesystem;
  const wxString framework = "IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/";
  Framework(framework + "main.asm", "main");
  Framework(framework + "inc/keys.inc", "keys");
  CreateFolderPath(dir.File("outside"));
  testsupport::WriteBytes(dir.File("outside/shared.inc"), "shared");
  const fs::path source(std::string(dir.File("Protocols/Custom/" + framework).utf8_str()));
  fs::create_directory_symlink(".", source / "loop");
  fs::create_directory_symlink(std::string(dir.File("outside").utf8_str()), source / "inc/outside");
  fs::create_symlink(std::string(dir.File("outside/shared.inc").utf8_str()), source / "inc/shared.inc");
  const wxString work = dir.File("work");
  CreateFolderPath(work);

  // Step by step, and in one pass into a new folder.
  for (const bool onePass : {false, true}) {
    if (onePass)
      ASSERT_EQ(doc.MakeOutputFolder("USER_DEF", "IR_FrameWork_STD", work, true),
                CDocManage::OutputStep::kDone);
    else
      ASSERT_TRUE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));
    const wxString out = doc.GetOutputFolder();
    EXPECT_EQ(EntryAt(out + "/main.asm"), "main") << onePass;
    EXPECT_EQ(EntryAt(out + "/inc/keys.inc"), "keys") << onePass;
    EXPECT_EQ(EntryAt(out + "/inc/shared.inc"), "shared") << onePass;  // a link to a file brings the file
    EXPECT_EQ(EntryAt(out + "/loop"), "nothing") << onePass;
    EXPECT_EQ(EntryAt(out + "/inc/outside"), "nothing") << onePass;
    doc.RemoveFolderTree(out);
  }
}

TEST_F(OutputFolderTest, AnEntryThatIsNoFileStopsTheCopyNamingIt) {
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/main.asm", "main");
  const wxString pipe = dir.File("Protocols/Custom/IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/pipe.inc");
  ASSERT_EQ(mkfifo(pipe.fn_str(), 0600), 0);
  const wxString work = dir.File("work");
  CreateFolderPath(work);
  // A pipe would never end the read.
  EXPECT_EQ(doc.MakeOutputFolder("USER_DEF", "IR_FrameWork_STD", work, true), CDocManage::OutputStep::kCopy);
  EXPECT_EQ(doc.GetFailedPath(), pipe);
  EXPECT_FALSE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));
  EXPECT_EQ(doc.GetFailedPath(), pipe);
}

// A file-size limit stands in for a full disk: writes past it fail as they
// would with no space left.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
  }

 private:
  rlimit m_saved{};
  void (*m_oldHandler)(int) = nullptr;
};

TEST_F(OutputFolderTest, CopyThatRunsOutOfSpaceLeavesNoHalfMadeFolder) {
  const std::string big(64 * 1024, 'x');
  for (const char* name : {"a.asm", "b.asm", "inc/c.inc", "inc/d.inc", "lib/e.lib", "f.opt"}) {
    Framework(wxString("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/") + name, big);
  }
  bool prepared = true;
  {
    const FileSizeLimit limit(10 * 1024);
    prepared = doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD");
  }
  EXPECT_FALSE(prepared);
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator(std::string(doc.ProjectFolder.utf8_str()))) {
    ++entries;
  }
  EXPECT_EQ(entries, 0u);

  ASSERT_TRUE(doc.PrepareOutputFolder("USER_DEF", "IR_FrameWork_STD"));  // with room it works
  EXPECT_EQ(testsupport::ReadBytes(doc.GetOutputFolder() + "/inc/d.inc"), big);
}

TEST_F(OutputFolderTest, FailedCopyKeepsSourcesTheEngineerAddedToAnEarlierOutput) {
  Framework("IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF/a.asm", std::string(64 * 1024, 'x'));
  const wxString output = dir.File("out");
  CreateFolderPath(output + "/src");
  testsupport::WriteBytes(output + "/src/mine.c", "keep");
  std::vector<wxString> made;
  {
    const FileSizeLimit limit(10 * 1024);
    EXPECT_FALSE(doc.CopyTemplateFolder(dir.File("Protocols/Custom/IR_FrameWork_STD_V1.3/QK37A0660/USER_DEF"),
                                        output, &made));
  }
  EXPECT_EQ(made, std::vector<wxString>{output + "/a.asm"});  // the existing folder is not the copy's
  EXPECT_EQ(doc.GetFailedPath(), output + "/a.asm");          // the file it could not write
}
#endif

TEST_F(OutputFolderTest, TemporaryFoldersAreFreshAndPrivate) {
  ASSERT_TRUE(doc.MakeTempFolder());
  const wxString first = doc.TempFolder;
  ASSERT_TRUE(doc.MakeTempFolder());
  EXPECT_NE(doc.TempFolder, first);
  EXPECT_FALSE(wxFileName::DirExists(first));  // the previous one is removed
  const wxString work = doc.MakeTempWorkFolder();
  ASSERT_TRUE(wxFileName::DirExists(work));
  EXPECT_TRUE(wxFileName(work).GetFullName().StartsWith("~AFW"));
#ifndef _WIN32
  const auto perms = std::filesystem::status(std::string(work.utf8_str())).permissions();
  EXPECT_EQ(perms & std::filesystem::perms::all, std::filesystem::perms::owner_all);
#endif
  doc.RemoveFolderTree(work);
  doc.RemoveFolderTree(doc.TempFolder);
}

#ifndef _WIN32
using testsupport::EndedProcessId;

TEST_F(OutputFolderTest, WorkFoldersGoAtTheEndAndLeftoversOfEndedRunsAtTheNextStart) {
  const wxString temp = dir.File("tmp");
  CreateFolderPath(temp);
  wxString oldTemp;
  const bool hadTemp = wxGetEnv("TMPDIR", &oldTemp);
  wxSetEnv("TMPDIR", temp);

  // This run's work folder goes with everything in it, "src" included.
  ASSERT_TRUE(doc.MakeTempFolder());
  const wxString own = doc.TempFolder;
  CreateFolderPath(own + "/src/deep");
  doc.RemoveTempFolder();
  EXPECT_FALSE(wxFileName::DirExists(own));
  EXPECT_TRUE(doc.TempFolder.empty());

  const long ended = EndedProcessId();
  const long running = static_cast<long>(getppid());
  const long self = static_cast<long>(getpid());
  struct {
    wxString name;
    bool removed;
  } const folders[] = {
      {wxString::Format("Olvanta-%ld-0a0a0a0a", ended), true},
      {wxString::Format("~AFW%ld-0b0b0b0b", ended), true},
      {wxString::Format("Olvanta-%ld-0c0c0c0c", self), true},  // an earlier run under our id
      {wxString::Format("Olvanta-%ld-0d0d0d0d", running), false},
      {wxString::Format("~AFW%ld-0e0e0e0e", running), false},
      {"Olvanta-0f0f0f0f", false},  // no process id: not a folder of this kind
      {wxString::Format("Other-%ld-10101010", ended), false},
      {wxString::Format("Olvanta-%ldx", ended), false},
  };
  for (const auto& folder : folders) CreateFolderPath(platform::JoinPath(temp, folder.name) + "/src/a");
  // Another user's leftover stays (only root can make one).
  const wxString foreign = platform::JoinPath(temp, wxString::Format("Olvanta-%ld-11111111", ended));
  const bool haveForeign = getuid() == 0;
  if (haveForeign) {
    CreateFolderPath(foreign);
    ASSERT_EQ(chown(foreign.fn_str(), 65534, 65534), 0);
  }

  CDocManage::RemoveStaleWorkFolders();
  for (const auto& folder : folders) {
    EXPECT_EQ(wxFileName::DirExists(platform::JoinPath(temp, folder.name)), !folder.removed) << folder.name;
  }
  if (haveForeign) {
    EXPECT_TRUE(wxFileName::DirExists(foreign));
  }

  hadTemp ? wxSetEnv("TMPDIR", oldTemp) : wxUnsetEnv("TMPDIR");
}
#endif

}  // namespace
