#include "cryptora.h"

#include <cstdio>
#include <cstring>

#include "Aes256.h"

namespace {

using cryptora::AesSchedule;
using cryptora::kAesBlockBytes;
using cryptora::kAesKeyBytes;

// The process-wide key state; all zero until a set-up function runs.
AesSchedule g_schedule{};

// Bytes per fread/fwrite; a whole number of blocks.
constexpr std::size_t kChunkBytes = 16 * 1024;
static_assert(kChunkBytes % kAesBlockBytes == 0, "chunk must hold whole blocks");

constexpr unsigned char kPad = 0x20;

void KeyFromPassPhrase(const char* passPhrase, std::uint8_t key[kAesKeyBytes]) {
  std::memset(key, 0, kAesKeyBytes);
  if (!passPhrase) return;
  for (int i = 0; i < kAesKeyBytes && passPhrase[i]; ++i) key[i] = static_cast<std::uint8_t>(passPhrase[i]);
}

// Opens `first`, then `second` (both are always tried). On failure closes
// whichever opened and returns false.
// Opens first, and second only when first opened, so that an input that
// cannot be read never truncates an existing output.
bool OpenPair(const char* firstPath, const char* firstMode, std::FILE*& first, const char* secondPath,
              const char* secondMode, std::FILE*& second) {
  first = firstPath ? std::fopen(firstPath, firstMode) : nullptr;
  second = (first && secondPath) ? std::fopen(secondPath, secondMode) : nullptr;
  if (first && second) return true;
  if (first) std::fclose(first);
  return false;
}

}  // namespace

extern "C" {

CRYPTORA_API void CRYPTORA_CALL SetupEncryptKey(const char* passPhrase) {
  std::uint8_t key[kAesKeyBytes];
  KeyFromPassPhrase(passPhrase, key);
  cryptora::AesExpandEncryptKey(key, g_schedule);
}

CRYPTORA_API int CRYPTORA_CALL SetupDecryptKey(const char* passPhrase) {
  std::uint8_t key[kAesKeyBytes];
  KeyFromPassPhrase(passPhrase, key);
  cryptora::AesExpandDecryptKey(key, g_schedule);
  return g_schedule.rounds;
}

CRYPTORA_API void CRYPTORA_CALL Encrypt(const unsigned char* in16, unsigned char* out16) {
  if (in16 && out16) cryptora::AesEncryptBlock(g_schedule, in16, out16);
}

CRYPTORA_API void CRYPTORA_CALL Decrypt(const unsigned char* in16, unsigned char* out16) {
  if (in16 && out16) cryptora::AesDecryptBlock(g_schedule, in16, out16);
}

CRYPTORA_API int CRYPTORA_CALL RJEncryptFile(const char* plainPath, const char* cipherPath) {
  std::FILE* plain;
  std::FILE* cipher;
  if (!OpenPair(plainPath, "rb", plain, cipherPath, "wb", cipher)) return 0;

  unsigned char buf[kChunkBytes + kAesBlockBytes];
  for (;;) {
    const std::size_t got = std::fread(buf, 1, kChunkBytes, plain);
    std::size_t len = got;
    if (got < kChunkBytes) {
      // End of file (or read error): pad the tail with 1..16 spaces.
      const std::size_t tail = kAesBlockBytes - got % kAesBlockBytes;
      std::memset(buf + got, kPad, tail);
      len = got + tail;
    }
    for (std::size_t i = 0; i < len; i += kAesBlockBytes)
      cryptora::AesEncryptBlock(g_schedule, buf + i, buf + i);
    std::fwrite(buf, 1, len, cipher);
    if (got < kChunkBytes) break;
  }

  std::fclose(plain);
  std::fclose(cipher);
  return 1;
}

CRYPTORA_API int CRYPTORA_CALL RJDecryptFile(const char* cipherPath, const char* plainPath) {
  std::FILE* plain;
  std::FILE* cipher;
  // The plain file is created first, so it exists (empty) even when the cipher
  // file is missing.
  if (!OpenPair(plainPath, "wb", plain, cipherPath, "rb", cipher)) return 0;

  unsigned char buf[kChunkBytes + kAesBlockBytes];
  for (;;) {
    const std::size_t got = std::fread(buf, 1, kChunkBytes, cipher);
    const std::size_t whole = got - got % kAesBlockBytes;
    for (std::size_t i = 0; i < whole; i += kAesBlockBytes)
      cryptora::AesDecryptBlock(g_schedule, buf + i, buf + i);
    if (whole < got) {
      // Short trailing block: missing bytes read as zero; only `got - whole`
      // bytes of the result are written.
      std::memset(buf + got, 0, kAesBlockBytes - (got - whole));
      cryptora::AesDecryptBlock(g_schedule, buf + whole, buf + whole);
    }
    std::fwrite(buf, 1, got, plain);
    if (got < kChunkBytes) break;
  }

  std::fclose(plain);
  std::fclose(cipher);
  return 1;
}

}  // extern "C"
