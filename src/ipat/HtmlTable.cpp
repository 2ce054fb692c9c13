#include "ipat/HtmlTable.h"

#include <charconv>
#include <cstring>

#include "core/TextUtil.h"

namespace vorpa {
namespace {

// Tables nested deeper than this are not given paths of their own: their
// tags only keep the nesting balanced and their texts are dropped, so a
// hostile page cannot make the list grow with the square of its size.
constexpr int kMaxTableDepth = 32;

char Upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
// A byte the reader does not deliver as it is: line breaks and '&'.
bool IsSpecial(char c) {
  return static_cast<unsigned char>(c) <= '&' && (c == '&' || c == '\r' || c == '\n');
}

// The page as the character reader delivers it: line breaks skipped, "&NBSP;"
// and "&NBSP" (any case) read as one space. Tokens are cut at raw '<' and '>'
// bytes, which no decoding produces or swallows.
class TTokenizer {
 public:
  explicit TTokenizer(std::string_view page) : page_(page) {}

  enum Kind { End, Tag, Text };

  // Advances over the next token; its raw bytes are [begin, end).
  Kind Next() {
    const size_t n = page_.size();
    while (pos_ < n && IsLineBreak(page_[pos_])) ++pos_;
    if (pos_ >= n) return End;
    begin_ = pos_;
    if (page_[pos_] == '<') {
      const void* gt = std::memchr(page_.data() + pos_, '>', n - pos_);
      end_ = gt ? size_t(static_cast<const char*>(gt) - page_.data()) + 1 : n;
      pos_ = end_;
      ReadHead();
      return Tag;
    }
    const void* lt = std::memchr(page_.data() + pos_, '<', n - pos_);
    end_ = lt ? size_t(static_cast<const char*>(lt) - page_.data()) : n;
    pos_ = end_;
    return Text;
  }

  // The delivered characters of the current token, appended to *out.
  void Delivered(std::string* out) const {
    size_t i = begin_;
    while (i < end_) {
      size_t run = i;
      while (run < end_ && !IsSpecial(page_[run])) ++run;
      out->append(page_.data() + i, run - i);
      i = run;
      if (i >= end_) break;
      if (IsLineBreak(page_[i])) {
        ++i;
      } else {
        const size_t nbsp = NbspLength(i);
        out->push_back(nbsp > 1 ? ' ' : '&');
        i += nbsp;
      }
    }
  }

  // Whether the current tag's delivered characters begin with `keyword`
  // (upper-case ASCII, at most kHead characters), letters compared
  // case-insensitively.
  bool BeginsWith(const char* keyword) const {
    for (size_t k = 0; keyword[k]; ++k)
      if (k >= headLength_ || head_[k] != keyword[k]) return false;
    return true;
  }

 private:
  // 6 or 5 for "&NBSP;" / "&NBSP" at i (raw bytes), else 1 (the '&' itself).
  size_t NbspLength(size_t i) const {
    static const char kNbsp[] = "&NBSP;";
    size_t k = 0;
    while (k < 6 && i + k < page_.size() && Upper(page_[i + k]) == kNbsp[k]) ++k;
    if (k == 6) return 6;
    if (k >= 5) return 5;
    return 1;
  }

  // The first kHead delivered characters of the tag, upper-cased: enough
  // for the longest keyword.
  void ReadHead() {
    headLength_ = 0;
    size_t i = begin_;
    while (headLength_ < kHead && i < end_) {
      const char c = page_[i];
      if (IsLineBreak(c)) {
        ++i;
        continue;
      }
      const size_t nbsp = c == '&' ? NbspLength(i) : 1;
      head_[headLength_++] = nbsp > 1 ? ' ' : Upper(c);
      i += nbsp;
    }
  }

  static constexpr size_t kHead = 8;
  std::string_view page_;
  size_t pos_ = 0;
  size_t begin_ = 0;
  size_t end_ = 0;
  char head_[kHead] = {};
  size_t headLength_ = 0;
};

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Trims blanks and control characters off the part of *s after `from`.
void TrimFrom(std::string* s, size_t from) {
  size_t e = s->size();
  while (e > from && IsBlankOrControl((*s)[e - 1])) --e;
  s->resize(e);
  size_t b = from;
  while (b < e && IsBlankOrControl((*s)[b])) ++b;
  s->erase(from, b - from);
}

// Fills a list from the front, reusing the strings it already holds, so a
// list that is filled page after page does not allocate for every entry.
class TListWriter {
 public:
  explicit TListWriter(TTextList* list) : list_(list) {}
  ~TListWriter() { list_->resize(used_); }
  std::string& Next() {
    if (used_ < list_->size()) {
      std::string& s = (*list_)[used_++];
      s.clear();
      return s;
    }
    ++used_;
    return list_->emplace_back();
  }

 private:
  TTextList* list_;
  size_t used_ = 0;
};

void AppendInt(std::string* out, int value) {
  if (value >= 0 && value < 10) {
    out->push_back(char('0' + value));
    return;
  }
  if (value >= 10 && value < 100) {
    const char two[2] = {char('0' + value / 10), char('0' + value % 10)};
    out->append(two, 2);
    return;
  }
  char buf[16];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out->append(buf, res.ptr);
}

// "[a,b]"
void AppendCell(std::string* out, int row, int col) {
  out->push_back('[');
  AppendInt(out, row);
  out->push_back(',');
  AppendInt(out, col);
  out->push_back(']');
}

// Counters of one open table.
struct TTableFrame {
  size_t PrefixLength;  // length of its prefix in the shared prefix text
  int Row = 0, Col = 0, Nested = 0, Piece = -1;
};

class TTableScanner {
 public:
  TTableScanner(std::string_view page, TTextList* list) : tokens_(page), list_(list) {}

  void Run() {
    int item = 0, piece = 0;
    for (;;) {
      const TTokenizer::Kind kind = tokens_.Next();
      if (kind == TTokenizer::End) return;
      if (kind == TTokenizer::Tag) {
        if (tokens_.BeginsWith("<TABLE")) {
          ++item;
          prefix_.clear();
          prefix_.push_back('[');
          AppendInt(&prefix_, item);
          prefix_.push_back(']');
          ReadTable();
          piece = 0;
        }
        continue;
      }
      if (piece == 0) ++item;
      ++piece;
      std::string& entry = list_.Next();
      entry.push_back('[');
      AppendInt(&entry, item);
      entry += "]<";
      AppendInt(&entry, piece);
      entry.push_back('>');
      AddText(&entry);
    }
  }

 private:
  // Reads the table whose prefix is prefix_, nested tables included, up to
  // its end tag or the end of the page.
  void ReadTable() {
    std::vector<TTableFrame>& open = open_;
    open.clear();
    open.push_back({prefix_.size()});
    int hidden = 0;  // open tables beyond kMaxTableDepth
    for (;;) {
      const TTokenizer::Kind kind = tokens_.Next();
      if (kind == TTokenizer::End) return;
      TTableFrame& t = open.back();
      if (kind == TTokenizer::Text) {
        if (hidden > 0) continue;
        ++t.Piece;
        std::string& entry = list_.Next();
        entry.append(prefix_, 0, t.PrefixLength);
        AppendCell(&entry, t.Row, t.Col);
        entry.push_back('<');
        AppendInt(&entry, t.Piece);
        entry.push_back('>');
        AddText(&entry);
      } else if (tokens_.BeginsWith("<TABLE")) {
        if (hidden > 0 || open.size() >= size_t(kMaxTableDepth)) {
          ++hidden;
          continue;
        }
        ++t.Nested;
        prefix_.resize(t.PrefixLength);
        AppendCell(&prefix_, t.Row, t.Col);
        prefix_.push_back('[');
        AppendInt(&prefix_, t.Nested);
        prefix_.push_back(']');
        open.push_back({prefix_.size()});
      } else if (tokens_.BeginsWith("</TABLE")) {
        if (hidden > 0) {
          --hidden;
          continue;
        }
        open.pop_back();
        if (open.empty()) return;
        prefix_.resize(open.back().PrefixLength);
      } else if (hidden > 0) {
        continue;
      } else if (tokens_.BeginsWith("<TR")) {
        ++t.Row;
        t.Col = 0;
        t.Piece = 0;
      } else if (tokens_.BeginsWith("</TR")) {
        t.Piece = -1;
      } else if (tokens_.BeginsWith("<TH") || tokens_.BeginsWith("<TD")) {
        if (t.Piece < 0) {
          ++t.Row;
          t.Col = 0;
        }
        ++t.Col;
        t.Piece = 0;
      }
    }
  }

  // Appends the trimmed text of the current token to the entry's path.
  void AddText(std::string* entry) {
    const size_t path = entry->size();
    tokens_.Delivered(entry);
    TrimFrom(entry, path);
  }

  TTokenizer tokens_;
  TListWriter list_;
  std::string prefix_;  // prefix of the innermost open table and its parents
  std::vector<TTableFrame> open_;  // the open tables, outermost first
};

// The value of attribute `name` (upper case) of `tag`: after the first
// occurrence of the name anywhere in the upper-cased tag, past the next "="
// and any spaces, either a double-quoted text or the text up to the next
// space; the tag's last character is never part of it.
std::string AttributeValue(std::string_view tag, std::string_view name) {
  std::string upper(tag);
  for (char& c : upper) c = Upper(c);
  const size_t at = upper.find(name);
  if (at == std::string::npos) return {};
  const size_t limit = tag.empty() ? 0 : tag.size() - 1;
  size_t i = at + name.size();
  while (i < limit && tag[i] != '=') ++i;
  if (i >= limit) return {};
  ++i;
  while (i < limit && tag[i] == ' ') ++i;
  if (i >= limit) return {};
  const char stop = tag[i] == '"' ? '"' : ' ';
  if (stop == '"') ++i;
  const size_t begin = i;
  while (i < limit && tag[i] != stop) ++i;
  return std::string(tag.substr(begin, i - begin));
}

class TFormScanner {
 public:
  TFormScanner(std::string_view page, TTextList* list) : tokens_(page), list_(list) {}

  void Run() {
    int form = 0;
    for (;;) {
      const TTokenizer::Kind kind = tokens_.Next();
      if (kind == TTokenizer::End) return;
      if (kind != TTokenizer::Tag || !tokens_.BeginsWith("<FORM")) continue;
      ++form;
      std::string prefix = "[";
      AppendInt(&prefix, form);
      prefix.push_back(']');
      list_->push_back(prefix + Attribute("ACTION"));
      if (!ReadFields(prefix)) return;
    }
  }

 private:
  // False when the page ended inside the form.
  bool ReadFields(const std::string& prefix) {
    std::string select;
    int option = -1;
    for (;;) {
      const TTokenizer::Kind kind = tokens_.Next();
      if (kind == TTokenizer::End) return false;
      if (kind != TTokenizer::Tag) continue;
      if (tokens_.BeginsWith("</FORM")) return true;
      if (tokens_.BeginsWith("<INPUT")) {
        std::string type = Attribute("TYPE");
        for (char& c : type) c = Upper(c);
        if (type == "SUBMIT" || type == "RESET") continue;
        list_->push_back(prefix + "[" + Attribute("NAME") + "]" + Attribute("VALUE"));
      } else if (tokens_.BeginsWith("<SELECT")) {
        select = Attribute("NAME");
        option = 0;
      } else if (tokens_.BeginsWith("</SELECT")) {
        select.clear();
        option = -1;
      } else if (tokens_.BeginsWith("<OPTION")) {
        ++option;
        std::string entry = prefix + "[" + select + "]<";
        AppendInt(&entry, option);
        entry.push_back('>');
        list_->push_back(entry + Attribute("VALUE"));
      }
    }
  }

  std::string Attribute(std::string_view name) {
    tag_.clear();
    tokens_.Delivered(&tag_);
    return AttributeValue(tag_, name);
  }

  TTokenizer tokens_;
  TTextList* list_;
  std::string tag_;
};

}  // namespace

void ExtractTables(std::string_view page, TTextList* list) {
  TTableScanner(page, list).Run();
}

void ExtractForms(std::string_view page, TTextList* list) {
  list->clear();
  TFormScanner(page, list).Run();
}

void LookupPath(std::string_view entry, std::string_view path, std::string* target) {
  ValueAfterPrefix(entry, path, target);
}

void LookupPath(const TTextList& list, std::string_view path, std::string* target) {
  for (const std::string& entry : list) ValueAfterPrefix(entry, path, target);
}

}  // namespace vorpa
