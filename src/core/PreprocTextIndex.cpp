#include "core/PreprocTextIndex.h"

#include "core/PreprocText.h"

#include <cstring>

namespace preproc {

namespace {

// About one bucket for every eight pieces, between 2^6 and 2^14 of them: a
// bucket holds a few places of different pieces besides those of its own.
unsigned BucketBitsFor(size_t pieces) {
  unsigned bits = 6;
  while (bits < 14 && (size_t{8} << bits) < pieces) ++bits;
  return bits;
}

}  // namespace

size_t CTextIndex::BucketOf(const char* piece) const {
  std::uint32_t value = 0;
  std::memcpy(&value, piece, kPiece);
  return static_cast<size_t>((value * 0x9E3779B1u) >> (32 - m_bucketBits));
}

void CTextIndex::Build(std::string_view text) {
  m_text = text;
  const size_t pieces = text.size() >= kPiece ? text.size() - kPiece + 1 : 0;
  m_bucketBits = BucketBitsFor(pieces);
  const size_t buckets = size_t{1} << m_bucketBits;
  // Counted, then each bucket's end, then filled from the back so that every
  // bucket ends up with its places ascending and m_first[b] at its start.
  m_first.assign(buckets + 1, 0);
  for (size_t at = 0; at < pieces; ++at) ++m_first[BucketOf(text.data() + at)];
  for (size_t b = 1; b <= buckets; ++b) m_first[b] += m_first[b - 1];
  m_places.resize(pieces);
  for (size_t at = pieces; at-- > 0;) m_places[--m_first[BucketOf(text.data() + at)]] = static_cast<int>(at);
}

int CTextIndex::Find(std::string_view part) const {
  if (part.size() < kPiece) return preproc::Find(m_text, part);
  // The piece of the part whose bucket holds the fewest places.
  size_t offset = 0, bucket = BucketOf(part.data());
  for (size_t at = 1; at + kPiece <= part.size(); ++at) {
    const size_t b = BucketOf(part.data() + at);
    if (m_first[b + 1] - m_first[b] < m_first[bucket + 1] - m_first[bucket]) {
      offset = at;
      bucket = b;
    }
  }
  for (int n = m_first[bucket]; n < m_first[bucket + 1]; ++n) {
    const size_t place = static_cast<size_t>(m_places[static_cast<size_t>(n)]);
    if (place < offset) continue;
    const size_t start = place - offset;
    if (m_text.compare(start, part.size(), part) == 0) return static_cast<int>(start);
  }
  return -1;
}

}  // namespace preproc
