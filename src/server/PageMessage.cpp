#include "server/PageHtml.h"
#include "server/Pages.h"

namespace vorpa::sim {

std::string MessagePage(const std::string& title, const std::string& text) {
  return Page(TitleTable(title) + Table(Row({text})));
}

std::string ErrorPage(const std::string& error) {
  // Entries: the head's title, "エラー", then the error at [2][3,1]<1>.
  return Page(Table(Row({"エラー"}) + Row({""}) + Row({error}), "class=\"error\"") +
              Table(Row({"お手数ですが、もう一度ログインしてください。"})));
}

}  // namespace vorpa::sim
