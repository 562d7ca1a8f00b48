#include "Aes256.h"

namespace cryptora {
namespace {

using u8 = std::uint8_t;
using u32 = std::uint32_t;

// ---- GF(2^8) with the reduction polynomial x^8 + x^4 + x^3 + x + 1 ----

constexpr u8 XTime(u8 a) { return static_cast<u8>((a << 1) ^ ((a & 0x80) ? 0x1B : 0x00)); }

constexpr u8 GfMul(u8 a, u8 b) {
  u8 r = 0;
  while (b) {
    if (b & 1) r ^= a;
    a = XTime(a);
    b >>= 1;
  }
  return r;
}

// Multiplicative inverse as a^254 (a^255 = 1 for a != 0); maps 0 to 0.
constexpr u8 GfInverse(u8 a) {
  u8 result = 1;
  u8 base = a;
  for (unsigned e = 254; e; e >>= 1) {
    if (e & 1) result = GfMul(result, base);
    base = GfMul(base, base);
  }
  return a ? result : 0;
}

constexpr u8 Rotl8(u8 b, int n) { return static_cast<u8>((b << n) | (b >> (8 - n))); }

constexpr u32 Rotr32(u32 w, int n) { return (w >> n) | (w << (32 - n)); }

constexpr u32 Word(u8 b0, u8 b1, u8 b2, u8 b3) {
  return (u32{b0} << 24) | (u32{b1} << 16) | (u32{b2} << 8) | u32{b3};
}

// ---- Tables derived from the definitions ----

struct Tables {
  u8 sbox[256];
  u8 invSbox[256];
  u32 te[4][256];  // SubBytes + ShiftRows column + MixColumns, one per row
  u32 td[4][256];  // InvSubBytes + InvMixColumns, one per row
  u32 rcon[10];
};

constexpr Tables MakeTables() {
  Tables t{};
  for (int x = 0; x < 256; ++x) {
    // SubBytes: inverse in GF(2^8) followed by the affine transform.
    const u8 b = GfInverse(static_cast<u8>(x));
    const u8 s = static_cast<u8>(b ^ Rotl8(b, 1) ^ Rotl8(b, 2) ^ Rotl8(b, 3) ^ Rotl8(b, 4) ^ 0x63);
    t.sbox[x] = s;
    t.invSbox[s] = static_cast<u8>(x);
  }
  for (int x = 0; x < 256; ++x) {
    const u8 s = t.sbox[x];
    const u8 si = t.invSbox[x];
    // Column of MixColumns (02 01 01 03) and InvMixColumns (0e 09 0d 0b).
    const u32 e = Word(GfMul(s, 2), s, s, GfMul(s, 3));
    const u32 d = Word(GfMul(si, 14), GfMul(si, 9), GfMul(si, 13), GfMul(si, 11));
    for (int r = 0; r < 4; ++r) {
      t.te[r][x] = r ? Rotr32(e, 8 * r) : e;
      t.td[r][x] = r ? Rotr32(d, 8 * r) : d;
    }
  }
  u8 rc = 1;
  for (int i = 0; i < 10; ++i) {
    t.rcon[i] = Word(rc, 0, 0, 0);
    rc = XTime(rc);
  }
  return t;
}

constexpr Tables kT = MakeTables();

static_assert(kT.sbox[0x00] == 0x63 && kT.sbox[0x53] == 0xED, "S-box");
static_assert(kT.invSbox[0x63] == 0x00, "inverse S-box");
static_assert(kT.rcon[9] == 0x36000000u, "round constants");

constexpr u32 SubWord(u32 w) {
  return Word(kT.sbox[w >> 24], kT.sbox[(w >> 16) & 0xFF], kT.sbox[(w >> 8) & 0xFF], kT.sbox[w & 0xFF]);
}

u32 InvMixColumn(u32 w) {
  const u8 a0 = static_cast<u8>(w >> 24), a1 = static_cast<u8>(w >> 16);
  const u8 a2 = static_cast<u8>(w >> 8), a3 = static_cast<u8>(w);
  return Word(GfMul(a0, 14) ^ GfMul(a1, 11) ^ GfMul(a2, 13) ^ GfMul(a3, 9),
              GfMul(a0, 9) ^ GfMul(a1, 14) ^ GfMul(a2, 11) ^ GfMul(a3, 13),
              GfMul(a0, 13) ^ GfMul(a1, 9) ^ GfMul(a2, 14) ^ GfMul(a3, 11),
              GfMul(a0, 11) ^ GfMul(a1, 13) ^ GfMul(a2, 9) ^ GfMul(a3, 14));
}

u32 Load(const u8* p) { return Word(p[0], p[1], p[2], p[3]); }

void Store(u32 w, u8* p) {
  p[0] = static_cast<u8>(w >> 24);
  p[1] = static_cast<u8>(w >> 16);
  p[2] = static_cast<u8>(w >> 8);
  p[3] = static_cast<u8>(w);
}

inline u8 B0(u32 w) { return static_cast<u8>(w >> 24); }
inline u8 B1(u32 w) { return static_cast<u8>(w >> 16); }
inline u8 B2(u32 w) { return static_cast<u8>(w >> 8); }
inline u8 B3(u32 w) { return static_cast<u8>(w); }

}  // namespace

void AesExpandEncryptKey(const std::uint8_t key[kAesKeyBytes], AesSchedule& out) {
  constexpr int nk = kAesKeyBytes / 4;
  u32* w = out.words;
  for (int i = 0; i < nk; ++i) w[i] = Load(key + 4 * i);
  for (int i = nk; i < kAesScheduleWords; ++i) {
    u32 temp = w[i - 1];
    if (i % nk == 0)
      temp = SubWord(Rotr32(temp, 24)) ^ kT.rcon[i / nk - 1];  // RotWord = rotl 8
    else if (i % nk == 4)
      temp = SubWord(temp);
    w[i] = w[i - nk] ^ temp;
  }
  out.rounds = kAesRounds;
}

void AesExpandDecryptKey(const std::uint8_t key[kAesKeyBytes], AesSchedule& out) {
  AesSchedule enc;
  AesExpandEncryptKey(key, enc);
  for (int r = 0; r <= kAesRounds; ++r) {
    for (int c = 0; c < 4; ++c) {
      const u32 w = enc.words[4 * (kAesRounds - r) + c];
      out.words[4 * r + c] = (r == 0 || r == kAesRounds) ? w : InvMixColumn(w);
    }
  }
  out.rounds = kAesRounds;
}

void AesEncryptBlock(const AesSchedule& ks, const std::uint8_t in[kAesBlockBytes],
                     std::uint8_t out[kAesBlockBytes]) {
  const u32* rk = ks.words;
  u32 s0 = Load(in) ^ rk[0];
  u32 s1 = Load(in + 4) ^ rk[1];
  u32 s2 = Load(in + 8) ^ rk[2];
  u32 s3 = Load(in + 12) ^ rk[3];
  for (int r = 1; r < kAesRounds; ++r) {
    rk += 4;
    const u32 t0 = kT.te[0][B0(s0)] ^ kT.te[1][B1(s1)] ^ kT.te[2][B2(s2)] ^ kT.te[3][B3(s3)] ^ rk[0];
    const u32 t1 = kT.te[0][B0(s1)] ^ kT.te[1][B1(s2)] ^ kT.te[2][B2(s3)] ^ kT.te[3][B3(s0)] ^ rk[1];
    const u32 t2 = kT.te[0][B0(s2)] ^ kT.te[1][B1(s3)] ^ kT.te[2][B2(s0)] ^ kT.te[3][B3(s1)] ^ rk[2];
    const u32 t3 = kT.te[0][B0(s3)] ^ kT.te[1][B1(s0)] ^ kT.te[2][B2(s1)] ^ kT.te[3][B3(s2)] ^ rk[3];
    s0 = t0;
    s1 = t1;
    s2 = t2;
    s3 = t3;
  }
  rk += 4;
  // Last round: no MixColumns.
  const u8* S = kT.sbox;
  Store(Word(S[B0(s0)], S[B1(s1)], S[B2(s2)], S[B3(s3)]) ^ rk[0], out);
  Store(Word(S[B0(s1)], S[B1(s2)], S[B2(s3)], S[B3(s0)]) ^ rk[1], out + 4);
  Store(Word(S[B0(s2)], S[B1(s3)], S[B2(s0)], S[B3(s1)]) ^ rk[2], out + 8);
  Store(Word(S[B0(s3)], S[B1(s0)], S[B2(s1)], S[B3(s2)]) ^ rk[3], out + 12);
}

void AesDecryptBlock(const AesSchedule& ks, const std::uint8_t in[kAesBlockBytes],
                     std::uint8_t out[kAesBlockBytes]) {
  const u32* rk = ks.words;
  u32 s0 = Load(in) ^ rk[0];
  u32 s1 = Load(in + 4) ^ rk[1];
  u32 s2 = Load(in + 8) ^ rk[2];
  u32 s3 = Load(in + 12) ^ rk[3];
  for (int r = 1; r < kAesRounds; ++r) {
    rk += 4;
    const u32 t0 = kT.td[0][B0(s0)] ^ kT.td[1][B1(s3)] ^ kT.td[2][B2(s2)] ^ kT.td[3][B3(s1)] ^ rk[0];
    const u32 t1 = kT.td[0][B0(s1)] ^ kT.td[1][B1(s0)] ^ kT.td[2][B2(s3)] ^ kT.td[3][B3(s2)] ^ rk[1];
    const u32 t2 = kT.td[0][B0(s2)] ^ kT.td[1][B1(s1)] ^ kT.td[2][B2(s0)] ^ kT.td[3][B3(s3)] ^ rk[2];
    const u32 t3 = kT.td[0][B0(s3)] ^ kT.td[1][B1(s2)] ^ kT.td[2][B2(s1)] ^ kT.td[3][B3(s0)] ^ rk[3];
    s0 = t0;
    s1 = t1;
    s2 = t2;
    s3 = t3;
  }
  rk += 4;
  // Last round: no InvMixColumns.
  const u8* Si = kT.invSbox;
  Store(Word(Si[B0(s0)], Si[B1(s3)], Si[B2(s2)], Si[B3(s1)]) ^ rk[0], out);
  Store(Word(Si[B0(s1)], Si[B1(s0)], Si[B2(s3)], Si[B3(s2)]) ^ rk[1], out + 4);
  Store(Word(Si[B0(s2)], Si[B1(s1)], Si[B2(s0)], Si[B3(s3)]) ^ rk[2], out + 8);
  Store(Word(Si[B0(s3)], Si[B1(s2)], Si[B2(s1)], Si[B3(s0)]) ^ rk[3], out + 12);
}

}  // namespace cryptora
