#pragma once
// One received page as the decoders read it: its table list and form list,
// addressed by path. A lookup gives the text after the path of the last
// entry that begins with it, or "" when no entry does.
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vorpa {

class TIPatPage {
 public:
  // Cuts the page text into its two lists.
  explicit TIPatPage(const std::string& page);
  // Takes lists already extracted.
  TIPatPage(std::vector<std::string> tables, std::vector<std::string> forms);
  // The index points into the lists: neither copied nor moved.
  TIPatPage(const TIPatPage&) = delete;
  TIPatPage& operator=(const TIPatPage&) = delete;

  // Text at a table path ending in ">" (such as "[6][2,4]<1>").
  std::string_view Table(std::string_view path) const;
  // List position of the entry Table(path) reads, -1 when none: of two
  // paths for one place, the later entry in page order wins.
  int TableIndex(std::string_view path) const;
  // Text at a form path ending in "]" or ">" (such as "[4][w]").
  std::string_view Form(std::string_view path) const;

  const std::vector<std::string>& Tables() const { return tables_; }
  const std::vector<std::string>& Forms() const { return forms_; }

 private:
  void Index();

  std::vector<std::string> tables_, forms_;
  // Path of a table entry (everything up to its first ">") -> text and
  // position of the last entry with that path. A table path holds exactly
  // one ">", at its end, so "entry begins with path" means "entry's path is
  // path", and one map stands for the scan over the whole list.
  std::unordered_map<std::string_view, std::pair<std::string_view, int>> byPath_;
};

// Table path texts: "[" a "," b "]" and "<" t ">".
std::string Cell(int row, int col);
std::string Piece(int t);

}  // namespace vorpa
