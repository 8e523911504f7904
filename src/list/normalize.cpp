#include "list/normalize.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "list/list_format.h"
#include "list/list_text.h"

// The duplicate rule: a URL that occurs k times adds k(k-1)/2 pairs to the tally, and every
// occurrence but the last one is dropped. Scanning the pieces from the last to the first, an
// occurrence is dropped exactly when its URL was already seen, and it adds the number of
// occurrences seen so far; the first dropped piece in text order is the last one found.

namespace {

// The tally is a 32-bit count: k(k-1)/2 for very large k would overflow it, so it stops at its
// largest value, which still reads as "more than one pair".
constexpr uint64_t kTallyLimit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());

struct PieceFields {
  std::string_view url;  // emptied when a later piece has the same URL
  std::string_view name;
  uint64_t urlHash;
};

// One distinct URL: the piece that holds its last occurrence (index + 1, 0 for a free slot),
// the high half of the URL's hash, which rules out most other URLs without reading their text,
// and how many occurrences the backward scan has seen.
struct UrlSlot {
  size_t piece = 0;
  uint32_t hashTag = 0;
  uint32_t seen = 0;
};

struct UrlTable {
  std::vector<UrlSlot> slots;
  size_t mask = 0;
};

uint64_t MixWord(uint64_t hash, uint64_t word) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  hash = (hash ^ word) * kMultiplier;
  return hash ^ (hash >> 29);
}

// The hash of a URL in the normaliser's table.
uint64_t UrlHash(std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  uint64_t hash = MixWord(0, left);
  for (; left >= 8; p += 8, left -= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    hash = MixWord(hash, word);
  }
  if (left > 0) {
    uint64_t word = 0;
    for (size_t i = 0; i < left; ++i)
      word |= static_cast<uint64_t>(static_cast<uint8_t>(p[i])) << (8 * i);
    hash = MixWord(hash, word);
  }
  return MixWord(hash, hash >> 32);
}

size_t CountPieces(std::string_view text) {
  size_t count = 0;
  ForEachPiece(text, [&count](std::string_view) { ++count; });
  return count;
}

std::vector<PieceFields> SplitPieces(std::string_view text) {
  std::vector<PieceFields> pieces;
  pieces.reserve(CountPieces(text));
  ForEachPiece(text, [&pieces](std::string_view piece) {
    EntryFields fields = SplitEntryFields(piece);
    pieces.push_back({fields.url, fields.name, UrlHash(fields.url)});
  });
  return pieces;
}

UrlTable MakeUrlTable(size_t pieceCount) {
  size_t size = 16;
  while (size < 2 * pieceCount) size *= 2;
  UrlTable table;
  table.slots.resize(size);
  table.mask = size - 1;
  return table;
}

size_t HomeSlot(const UrlTable& table, uint64_t hash) {
  return static_cast<size_t>(hash) & table.mask;
}

// Asks for the slot where a URL's search starts to be brought into the cache: the table is far
// larger than the cache, and looking a few pieces ahead hides the wait.
void PrefetchHomeSlot(const UrlTable& table, uint64_t hash) {
  __builtin_prefetch(&table.slots[HomeSlot(table, hash)]);
}

// The slot of the piece's URL. A URL not yet in the table is entered with this piece as its
// last occurrence and nothing seen.
UrlSlot& FindOrAddUrl(UrlTable& table, const std::vector<PieceFields>& pieces, size_t piece) {
  std::string_view url = pieces[piece].url;
  uint64_t hash = pieces[piece].urlHash;
  uint32_t hashTag = static_cast<uint32_t>(hash >> 32);
  for (size_t i = HomeSlot(table, hash);; i = (i + 1) & table.mask) {
    UrlSlot& slot = table.slots[i];
    if (slot.piece == 0) {
      slot.piece = piece + 1;
      slot.hashTag = hashTag;
      return slot;
    }
    if (slot.hashTag == hashTag && pieces[slot.piece - 1].url == url) return slot;
  }
}

int32_t PieceNumber(size_t index) {
  return static_cast<int32_t>(std::min<uint64_t>(index + 1, kTallyLimit));
}

// Drops every piece whose URL occurs again later and fills in the tally and the first
// dropped piece.
void DropEarlierDuplicates(std::vector<PieceFields>& pieces, NormalizedText& result) {
  UrlTable table = MakeUrlTable(pieces.size());
  uint64_t tally = 0;
  constexpr size_t kLookAhead = 8;
  for (size_t i = pieces.size(); i-- > 0;) {
    if (i >= kLookAhead) PrefetchHomeSlot(table, pieces[i - kLookAhead].urlHash);
    UrlSlot& slot = FindOrAddUrl(table, pieces, i);
    if (slot.seen > 0) {
      tally = std::min(kTallyLimit, tally + slot.seen);
      pieces[i].url = {};
      result.firstDuplicatePiece = PieceNumber(i);
    }
    if (slot.seen < std::numeric_limits<uint32_t>::max()) ++slot.seen;
  }
  result.duplicateTally = static_cast<int32_t>(tally);
}

std::string CanonicalText(const std::vector<PieceFields>& pieces, size_t sizeHint) {
  std::string text;
  text.reserve(sizeHint);
  for (const PieceFields& piece : pieces) {
    if (piece.url.empty()) continue;
    AppendEntryLine(text, piece.url, piece.name);
    text.append("\r\n");
  }
  return text;
}

}  // namespace

NormalizedText NormalizeText(std::string_view listText) {
  NormalizedText result;
  std::vector<PieceFields> pieces = SplitPieces(listText);
  DropEarlierDuplicates(pieces, result);
  // A canonical line is at most one byte longer than its piece (the blank after the comma),
  // and every piece gets a CR LF, the last one included.
  result.text = CanonicalText(pieces, listText.size() + pieces.size() + 2);
  return result;
}
