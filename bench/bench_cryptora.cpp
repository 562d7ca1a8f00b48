// Enciphers 1 MiB in memory, block by block, through the exported Encrypt.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cryptora/cryptora.h"

static void BM_EncryptOneMiB(benchmark::State& state) {
  constexpr std::size_t kBytes = 1 << 20;
  std::vector<unsigned char> in(kBytes), out(kBytes);
  for (std::size_t i = 0; i < kBytes; ++i) in[i] = static_cast<unsigned char>(i * 131u);
  SetupEncryptKey("IR_583204");
  for (auto _ : state) {
    for (std::size_t i = 0; i < kBytes; i += 16) Encrypt(&in[i], &out[i]);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_EncryptOneMiB);
