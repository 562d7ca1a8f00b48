// The first place of a part in one long text that is searched for many parts
// (the preprocessor's define text): the text's four-byte pieces are filed by
// a hash once, so that a search compares the part only where its rarest
// piece stands instead of scanning the whole text.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace preproc {

class CTextIndex {
 public:
  // Files the pieces of text, which must outlive the index (or the next Build).
  void Build(std::string_view text);
  // Where part first stands in the text, -1 when nowhere: what Find gives.
  int Find(std::string_view part) const;

 private:
  static constexpr size_t kPiece = 4;
  size_t BucketOf(const char* piece) const;

  std::string_view m_text;
  unsigned m_bucketBits = 0;
  // The places of the pieces of bucket b, ascending: m_places[m_first[b]] up
  // to m_places[m_first[b + 1]].
  std::vector<int> m_first;
  std::vector<int> m_places;
};

}  // namespace preproc
