#include "ipat/IPatErrorText.h"

#include "core/Cp932.h"

namespace vorpa {

std::string LoginErrorText(const std::string& inetId) {
  return Utf8ToCp932("認証エラー: INET ID ") + inetId +
         Utf8ToCp932(" は受け付けられませんでした。「初期設定」の INET ID を確かめてください");
}

std::string CommErrorText(const TUrlFailure& f) {
  const std::string at = "通信エラー " + f.Host + ": ";
  const char* const checkHost = "。接続先 (IPatHost) を確かめてください";
  switch (f.Kind) {
    case TUrlFailure::BadUrl:
      return Utf8ToCp932(std::string("通信エラー: 接続先の URL が正しくありません") + checkHost);
    case TUrlFailure::Refused:
      return Utf8ToCp932(at + "接続を拒否されました (サーバーが動いていません)" + checkHost);
    case TUrlFailure::TimedOut: return Utf8ToCp932(at + "時間切れ (応答がありません)");
    case TUrlFailure::NameNotFound: return Utf8ToCp932(at + "ホスト名が見つかりません" + checkHost);
    case TUrlFailure::HttpStatus: return Utf8ToCp932(at + "HTTP 状態 " + std::to_string(f.Status));
    case TUrlFailure::CutShort: return Utf8ToCp932(at + "ページの受信が途中で切れました");
    default: return Utf8ToCp932(at + (f.Detail.empty() ? "通信できません" : f.Detail));
  }
}

std::string StoreErrorText(const std::string& prefix, const std::string& path,
                           const std::string& reason) {
  return prefix + Utf8ToCp932("保存エラー: " + path + ": " + reason +
                              "。「初期設定」のデータ保存先を確かめてください");
}

std::string PatOutErrorText(const std::string& prefix, const std::string& failure) {
  return prefix + Utf8ToCp932("PAT出力エラー: " + failure + "。「初期設定」の「PAT出力」の出力先を確かめてください");
}

}  // namespace vorpa
