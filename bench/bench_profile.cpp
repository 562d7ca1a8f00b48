// Reads a 5000-key project file key by key, the way a page loads it, and
// saves one key by key, the way the pages save it.
#include "PairedRatio.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/Profile.h"
#include "platform/TextFile.h"

namespace {

constexpr int kSections = 50;
constexpr int kKeysPerSection = 100;  // 5000 keys in all

// A UTF-16LE file with kSections sections of kKeysPerSection keys, removed at exit.
class LargeProfile {
 public:
  LargeProfile() {
    namespace fs = std::filesystem;
    m_folder = fs::temp_directory_path() / ("olv-bench-" + std::to_string(std::random_device{}()));
    fs::create_directory(m_folder);
    m_file = wxString::FromUTF8((m_folder / "project.ini").u8string().c_str());
    wxString text;
    for (int s = 0; s < kSections; ++s) {
      text += wxString::Format("[Section%d]\r\n", s);
      for (int k = 0; k < kKeysPerSection; ++k) {
        text += wxString::Format("Key%d = \"value of key %d in section %d\"\r\n", k, k, s);
        m_keys.push_back({wxString::Format("section%d", s), wxString::Format("KEY%d", k)});
      }
      text += "\r\n";
    }
    platform::WriteFileAtomically(m_file, platform::EncodeText(text, platform::TextEncoding::Utf16LE));
  }
  ~LargeProfile() {
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
  }

  const wxString& File() const { return m_file; }
  struct Key {
    wxString section, key;
  };
  const std::vector<Key>& Keys() const { return m_keys; }

 private:
  std::filesystem::path m_folder;
  wxString m_file;
  std::vector<Key> m_keys;
};

const LargeProfile& Profile() {
  static const LargeProfile profile;
  return profile;
}

// Every key once, through the cache (one stat and two hash look-ups per key).
void BM_ReadEveryKey(benchmark::State& state) {
  const LargeProfile& p = Profile();
  platform::ClearProfileCache();
  for (auto _ : state) {
    for (const auto& k : p.Keys()) {
      benchmark::DoNotOptimize(platform::ReadProfileString(p.File(), k.section, k.key, ""));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(p.Keys().size()));
}
BENCHMARK(BM_ReadEveryKey)->Unit(benchmark::kMillisecond);

// Every key once after the cache was emptied: includes reading and parsing the file.
void BM_ReadEveryKeyCold(benchmark::State& state) {
  const LargeProfile& p = Profile();
  for (auto _ : state) {
    platform::ClearProfileCache();
    for (const auto& k : p.Keys()) {
      benchmark::DoNotOptimize(platform::ReadProfileString(p.File(), k.section, k.key, ""));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(p.Keys().size()));
}
BENCHMARK(BM_ReadEveryKeyCold)->Unit(benchmark::kMillisecond);

// A save of 5000 keys in 50 sections into a new file through one write
// batch, against writing the same file's bytes once.
void BM_SaveEveryKeyBatched(benchmark::State& state) {
  const LargeProfile& p = Profile();
  const std::filesystem::path folder = std::filesystem::path(std::string(p.File().utf8_str())).parent_path();
  const wxString saved = wxString::FromUTF8((folder / "saved.ini").u8string().c_str());
  const wxString copy = wxString::FromUTF8((folder / "copy.ini").u8string().c_str());
  std::string bytes;
  bool ok = true;
  const auto save = [&] {
    platform::ProfileWriteBatch batch(saved);
    for (const auto& k : p.Keys())
      ok = platform::WriteProfileString(saved, k.section, k.key, "a value of a key") && ok;
    ok = batch.Commit() && ok;
  };
  const auto tidy = [&] {
    std::error_code ec;
    if (bytes.empty()) platform::ReadFileBytes(saved, bytes);
    std::filesystem::remove(folder / "saved.ini", ec);
    platform::ClearProfileCache();
  };
  save();
  tidy();
  benchpair::RunPaired(
      state, save, [&] { ok = platform::WriteFileAtomically(copy, bytes) && ok; }, tidy);
  if (!ok) state.SkipWithError("a write failed");
}
BENCHMARK(BM_SaveEveryKeyBatched)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
