// AES-256 (FIPS-197) key schedules and single-block transforms.
// Internal to cryptora: the exports in Cryptora.cpp are built on these, and the
// tests use them directly with raw 32-byte keys.
#pragma once

#include <cstdint>

namespace cryptora {

constexpr int kAesKeyBytes = 32;
constexpr int kAesBlockBytes = 16;
constexpr int kAesRounds = 14;                           // Nr for Nk = 8
constexpr int kAesScheduleWords = 4 * (kAesRounds + 1);  // 60

struct AesSchedule {
  std::uint32_t words[kAesScheduleWords];
  int rounds;
};

// Standard key expansion for Nk = 8.
void AesExpandEncryptKey(const std::uint8_t key[kAesKeyBytes], AesSchedule& out);

// Round keys for the equivalent inverse cipher: the encryption schedule with the
// round keys in reverse order and InvMixColumns applied to rounds 1..Nr-1.
void AesExpandDecryptKey(const std::uint8_t key[kAesKeyBytes], AesSchedule& out);

// One block with an encryption schedule. `in` and `out` may be the same buffer.
void AesEncryptBlock(const AesSchedule& ks, const std::uint8_t in[kAesBlockBytes],
                     std::uint8_t out[kAesBlockBytes]);

// One block with a decryption schedule. `in` and `out` may be the same buffer.
void AesDecryptBlock(const AesSchedule& ks, const std::uint8_t in[kAesBlockBytes],
                     std::uint8_t out[kAesBlockBytes]);

}  // namespace cryptora
