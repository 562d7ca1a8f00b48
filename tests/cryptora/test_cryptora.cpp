// Reference ciphertexts come from FIPS-197 Appendix C.3 and from
//   openssl enc -aes-256-ecb -nopad -K <pass phrase bytes, 00-filled to 32>
// with the plain text already padded with spaces where a file is concerned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "TempDir.h"
#include "Aes256.h"
#include "cryptora.h"

namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

std::string FromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return out;
}

std::string ToHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

const unsigned char* U(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

std::string EncryptBlock(const std::string& in16) {
  unsigned char out[16] = {};
  Encrypt(U(in16), out);
  return std::string(reinterpret_cast<char*>(out), 16);
}

std::string DecryptBlock(const std::string& in16) {
  unsigned char out[16] = {};
  Decrypt(U(in16), out);
  return std::string(reinterpret_cast<char*>(out), 16);
}

const char kShortPass[] = "IR_583204";
const char kLongPass[] = "Olvanta-pass-phrase-0123456789-ABCDEFGHI";  // 40 chars
const char kLongPassFirst32[] = "Olvanta-pass-phrase-0123456789-A";

// Hex plain blocks: "0123456789abcdef" and sixteen zero bytes.
const char kDigits[] = "30313233343536373839616263646566";
const char kZeros[] = "00000000000000000000000000000000";

// ---------------------------------------------------------------------------
// AES-256 core with raw keys

struct RawVector {
  const char* name;
  const char* key;
  const char* plain;
  const char* cipher;
};

void PrintTo(const RawVector& v, std::ostream* os) { *os << v.name; }

class Aes256Vector : public ::testing::TestWithParam<RawVector> {};

TEST_P(Aes256Vector, EncryptsAndDecrypts) {
  const RawVector& v = GetParam();
  const std::string key = FromHex(v.key);
  const std::string plain = FromHex(v.plain);
  const std::string cipher = FromHex(v.cipher);
  const auto* k = reinterpret_cast<const std::uint8_t*>(key.data());

  cryptora::AesSchedule ks;
  cryptora::AesExpandEncryptKey(k, ks);
  EXPECT_EQ(ks.rounds, 14);
  std::uint8_t block[16];
  cryptora::AesEncryptBlock(ks, U(plain), block);
  EXPECT_EQ(ToHex(std::string(reinterpret_cast<char*>(block), 16)), v.cipher);

  cryptora::AesExpandDecryptKey(k, ks);
  EXPECT_EQ(ks.rounds, 14);
  // In place: the transforms must read the whole block before writing.
  cryptora::AesDecryptBlock(ks, block, block);
  EXPECT_EQ(ToHex(std::string(reinterpret_cast<char*>(block), 16)), v.plain);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, Aes256Vector,
    ::testing::Values(RawVector{"Fips197C3",
                                "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
                                "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
                      RawVector{"RandomKey",
                                "0a315d4bd1f7ded54be16826e241e4a81ee4b03a217702adc061efede20e7164",
                                "17459f8d81ab9732a0f0860c30fae166", "8666868a20f79af7d9a06c5b3490dd30"},
                      RawVector{"AllOnes", "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff",
                                "ffffffffffffffffffffffffffffffff", "d5f93d6d3311cb309f23621b02fbd5e2"}),
    [](const ::testing::TestParamInfo<RawVector>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Exported block functions: pass phrase -> key

struct PassVector {
  const char* name;
  const char* pass;
  const char* plain;  // hex
  const char* cipher;
};

void PrintTo(const PassVector& v, std::ostream* os) { *os << v.name; }

class PassPhraseVector : public ::testing::TestWithParam<PassVector> {};

TEST_P(PassPhraseVector, EncryptsAndDecrypts) {
  const PassVector& v = GetParam();
  SetupEncryptKey(v.pass);
  EXPECT_EQ(ToHex(EncryptBlock(FromHex(v.plain))), v.cipher);

  EXPECT_EQ(SetupDecryptKey(v.pass), 14);
  EXPECT_EQ(ToHex(DecryptBlock(FromHex(v.cipher))), v.plain);
}

// Parameterized tests run in this order, so a key buffer left over from the
// 40-character phrase would break the short one that follows it.
INSTANTIATE_TEST_SUITE_P(
    Vectors, PassPhraseVector,
    ::testing::Values(
        PassVector{"LongCutTo32", kLongPass, kDigits, "7d7fb0ab0b519842c3f123bd3a2a1ecc"},
        PassVector{"Short", kShortPass, kDigits, "c2a9a42c4f8d65856bc9bb278a7a4c7f"},
        PassVector{"First32OfLong", kLongPassFirst32, kDigits, "7d7fb0ab0b519842c3f123bd3a2a1ecc"},
        // Bytes >= 0x80 must go into the key unchanged ("été" in UTF-8).
        PassVector{"HighBytes", "\xc3\xa9t\xc3\xa9", kDigits, "4ed58217011214f626ba4e5c219c290d"},
        PassVector{"Empty", "", kZeros, "dc95c078a2408989ad48a21492842087"},
        PassVector{"Null", nullptr, kZeros, "dc95c078a2408989ad48a21492842087"}),
    [](const ::testing::TestParamInfo<PassVector>& info) { return info.param.name; });

TEST(CryptoraBlock, ScheduleOfTheLastSetupDecides) {
  const std::string plain = "0123456789abcdef";
  const std::string cipher = FromHex("c2a9a42c4f8d65856bc9bb278a7a4c7f");

  SetupDecryptKey(kShortPass);
  EXPECT_NE(EncryptBlock(plain), cipher);
  SetupEncryptKey(kShortPass);
  EXPECT_NE(DecryptBlock(cipher), plain);
  EXPECT_EQ(EncryptBlock(plain), cipher);
}

TEST(CryptoraBlock, NullPointersDoNothing) {
  SetupEncryptKey(kShortPass);
  unsigned char in[16] = {};
  unsigned char out[16];
  for (unsigned char& b : out) b = 0xAB;

  Encrypt(nullptr, out);
  Decrypt(nullptr, out);
  Encrypt(in, nullptr);
  Decrypt(in, nullptr);
  for (unsigned char b : out) ASSERT_EQ(b, 0xAB);
}

// ---------------------------------------------------------------------------
// Files

class CryptoraFile : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.File(name).utf8_string(); }
  void Write(const char* name, const std::string& bytes) const { WriteBytes(dir.File(name), bytes); }
  std::string Read(const char* name) const { return ReadBytes(dir.File(name)); }
  bool Exists(const char* name) const { return std::filesystem::exists(Path(name)); }

  TempDir dir;
};

struct FileVector {
  const char* name;
  const char* pass;
  const char* plain;
  const char* cipher;  // of the plain text padded with spaces
};

void PrintTo(const FileVector& v, std::ostream* os) { *os << v.name; }

class CryptoraFileVector : public CryptoraFile, public ::testing::WithParamInterface<FileVector> {};

TEST_P(CryptoraFileVector, MatchesOpensslBothWays) {
  const FileVector& v = GetParam();
  Write("plain", v.plain);

  SetupEncryptKey(v.pass);
  ASSERT_EQ(RJEncryptFile(Path("plain").c_str(), Path("cipher").c_str()), 1);
  EXPECT_EQ(ToHex(Read("cipher")), v.cipher);

  Write("cipher", FromHex(v.cipher));
  SetupDecryptKey(v.pass);
  ASSERT_EQ(RJDecryptFile(Path("cipher").c_str(), Path("back").c_str()), 1);
  const std::string plain = v.plain;
  EXPECT_EQ(Read("back"), plain + std::string(16 - plain.size() % 16, ' '));
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, CryptoraFileVector,
    ::testing::Values(FileVector{"Empty", kShortPass, "", "1bf380c4370bae87a7def0fdfe0523aa"},
                      FileVector{"Short", kShortPass, "hello", "b74bdc5c3ff05667d0398d8a7f3ad418"},
                      FileVector{"OneWholeBlock", kShortPass, "0123456789abcdef",
                                 "c2a9a42c4f8d65856bc9bb278a7a4c7f1bf380c4370bae87a7def0fdfe0523aa"},
                      FileVector{"ThreeBlocksLongPass", kLongPass,
                                 "The quick brown fox jumps over the lazy dog",
                                 "a7eecb27e9b0ab29d9c3f4cd1733f031c6690b2f794a40836dd54109a5e54475"
                                 "b85d4a0ebaeb931d5e9d320a36222dc9"}),
    [](const ::testing::TestParamInfo<FileVector>& info) { return info.param.name; });

// Sizes around block and read-buffer boundaries. The cipher file must equal the
// padded plain text enciphered block by block with the raw-key core.
class CryptoraFileSize : public CryptoraFile, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(CryptoraFileSize, RoundTripKeepsPadding) {
  const std::size_t n = GetParam();
  std::mt19937 rng(static_cast<unsigned>(n));
  std::string plain(n, '\0');
  for (char& c : plain) c = static_cast<char>(rng());
  const std::string padded = plain + std::string(16 - n % 16, ' ');

  std::uint8_t key[32] = {};
  std::copy(kShortPass, kShortPass + sizeof kShortPass - 1, key);
  cryptora::AesSchedule ks;
  cryptora::AesExpandEncryptKey(key, ks);
  std::string expected(padded.size(), '\0');
  for (std::size_t i = 0; i < padded.size(); i += 16)
    cryptora::AesEncryptBlock(ks, U(padded) + i, reinterpret_cast<std::uint8_t*>(&expected[i]));

  Write("plain", plain);
  SetupEncryptKey(kShortPass);
  ASSERT_EQ(RJEncryptFile(Path("plain").c_str(), Path("cipher").c_str()), 1);
  const std::string cipher = Read("cipher");
  ASSERT_EQ(cipher.size(), (n / 16 + 1) * 16);
  EXPECT_TRUE(cipher == expected);

  SetupDecryptKey(kShortPass);
  ASSERT_EQ(RJDecryptFile(Path("cipher").c_str(), Path("back").c_str()), 1);
  EXPECT_TRUE(Read("back") == padded);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CryptoraFileSize,
                         ::testing::Values(1, 15, 16, 17, 31, 32, 4095, 4096, 4097, 16383, 16384, 16385,
                                           65536, 65537, 100 * 1024 + 7));

// Whole blocks, then 4 bytes that decipher as deadbeef + twelve zero bytes. Over
// a read-buffer's worth of blocks, stale bytes would sit behind the short block.
class CryptoraShortTail : public CryptoraFile, public ::testing::WithParamInterface<int> {};

TEST_P(CryptoraShortTail, DecryptZeroFillsAndWritesOnlyTheBytesRead) {
  std::string cipher, expected;
  for (int i = 0; i < GetParam(); ++i) {
    cipher += FromHex("c2a9a42c4f8d65856bc9bb278a7a4c7f");
    expected += "0123456789abcdef";
  }
  Write("cipher", cipher + FromHex("deadbeef"));
  SetupDecryptKey(kShortPass);
  ASSERT_EQ(RJDecryptFile(Path("cipher").c_str(), Path("plain").c_str()), 1);
  EXPECT_TRUE(Read("plain") == expected + FromHex("06d4a32d"));
}

INSTANTIATE_TEST_SUITE_P(WholeBlocks, CryptoraShortTail, ::testing::Values(0, 1, 1100));

TEST_F(CryptoraFile, DecryptOfAnEmptyFileIsEmpty) {
  Write("cipher", "");
  Write("plain", "old");
  SetupDecryptKey(kShortPass);
  ASSERT_EQ(RJDecryptFile(Path("cipher").c_str(), Path("plain").c_str()), 1);
  EXPECT_TRUE(Exists("plain"));
  EXPECT_EQ(Read("plain"), "");
}

// A file that cannot be opened gives 0 and leaves the input alone. Decrypt
// creates its plain file first, so a missing cipher file leaves it empty;
// encrypt keeps an existing cipher file.
struct OpenFailure {
  const char* name;
  bool decrypt;
  const char* input;        // a name in the folder; null passes a null pointer
  const char* output;       // likewise
  const char* outputAfter;  // the existing output's contents afterwards; null: not checked
};

void PrintTo(const OpenFailure& f, std::ostream* os) { *os << f.name; }

class CryptoraOpenFailure : public CryptoraFile, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(CryptoraOpenFailure, ReturnsZero) {
  const OpenFailure& f = GetParam();
  Write("input", "some text");
  Write("output", "previous contents");
  const std::string input = f.input ? Path(f.input) : std::string();
  const std::string output = f.output ? Path(f.output) : std::string();
  const char* in = f.input ? input.c_str() : nullptr;
  const char* out = f.output ? output.c_str() : nullptr;
  if (f.decrypt) {
    SetupDecryptKey(kShortPass);
    EXPECT_EQ(RJDecryptFile(in, out), 0);
  } else {
    SetupEncryptKey(kShortPass);
    EXPECT_EQ(RJEncryptFile(in, out), 0);
  }
  EXPECT_EQ(Read("input"), "some text");
  if (f.outputAfter) {
    EXPECT_TRUE(Exists("output"));
    EXPECT_EQ(Read("output"), f.outputAfter);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CryptoraOpenFailure,
    ::testing::Values(OpenFailure{"DecryptMissingCipherEmptiesPlain", true, "missing", "output", ""},
                      OpenFailure{"EncryptMissingPlainKeepsCipher", false, "missing", "output",
                                  "previous contents"},
                      OpenFailure{"EncryptIntoMissingFolder", false, "input", "no-such-dir/out", nullptr},
                      OpenFailure{"DecryptIntoMissingFolder", true, "input", "no-such-dir/out", nullptr},
                      OpenFailure{"EncryptNullInput", false, nullptr, "output", nullptr},
                      OpenFailure{"EncryptNullOutput", false, "input", nullptr, nullptr},
                      OpenFailure{"DecryptNullInput", true, nullptr, "output", nullptr},
                      OpenFailure{"DecryptNullOutput", true, "input", nullptr, nullptr}),
    [](const ::testing::TestParamInfo<OpenFailure>& info) { return info.param.name; });

}  // namespace
