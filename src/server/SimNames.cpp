#include "server/SimNames.h"

#include <iterator>

namespace vorpa::sim {
namespace {

// Every word here is made up for the simulator; no list combines into the
// name of a real horse, rider, trainer or race.
const char* const kHorseHeads[] = {
    "ミナモ", "ユキヤナギ", "ホシクズ", "ヤマブキ", "アオバネ", "ミズクサ", "ハナウタ",
    "ソヨカ", "ナツツバキ", "ウスベニ", "コダマ", "シズク", "ルリ", "フユボシ", "コノハ",
    "クルミ", "ササナミ", "ミカヅキ", "モミジバ", "ハマナス"};
const char* const kHorseTails[] = {
    "ランタン", "ワルツ", "リボン", "カルーセル", "ノート", "マリンバ", "タクト", "コンパス",
    "ミトン", "カンテラ", "ビオラ", "チェロ", "スピカ", "ロゼ", "ポルカ", "ソネット",
    "パステル", "ランタナ", "カリヨン", "タンゴ", "ロンド", "アリア", "フーガ", "ボレロ"};
const char* const kSurnames[] = {
    "青柳", "浅沼", "井口", "梅津", "大槻", "笠原", "桐谷", "久保", "古賀", "坂口",
    "篠原", "杉浦", "千葉", "塚本", "戸川", "中沢", "根本", "野口", "浜田", "水野"};
const char* const kGivenNames[] = {
    "汐路", "灯吾", "葵丞", "朔郎", "樫緒", "霧彦", "鷹丸", "杢太", "椋", "柊作",
    "凪斗", "楡", "蒔生", "榧人", "櫂", "檀"};
// Visiting riders, written as the card writes foreign names: a full-width
// initial, "．" and the surname in katakana. One per surname and given name,
// so that they come from the same draws as the home riders.
const char* const kVisitorSurnames[] = {
    "ヴァルデン", "ブロスキ", "カルネロ", "オルテンス", "ミュラック", "ザンカレリ", "トルヴァン",
    "ノヴァーチ", "ドルゴンツ", "フィオラン", "ソルベック", "ダンハイム", "クヴェスト",
    "リンドホー", "マルセロス", "グラニエル", "ヘルミッツ", "ボワスラン", "ティエルノ", "ウェルズリ"};
const char* const kVisitorInitials[] = {"Ａ", "Ｂ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｊ",
                                        "Ｋ", "Ｌ", "Ｍ", "Ｎ", "Ｐ", "Ｒ", "Ｓ", "Ｔ"};
static_assert(std::size(kVisitorSurnames) == std::size(kSurnames));
static_assert(std::size(kVisitorInitials) == std::size(kGivenNames));
const char* const kTrainerNames[] = {
    "森汐平", "辻樫男", "宇野霧生", "江藤鷺太", "小松梓丞", "片桐瑛蔵", "北見杢平",
    "栗林檀吾", "佐久間楢", "瀬尾柾人", "高森楡郎", "土屋椿彦", "徳永榊", "西尾朴斎"};
const char* const kPlaces[] = {"雲梯", "鈴鳴", "花筏", "風待", "星降", "霧笛", "雪灯", "瑠璃沼",
                               "蛍火", "竹音", "石榴坂", "鴫立", "苔庭", "藤棚", "菱沼"};
const char* const kKinds[] = {"ステークス", "特別", "カップ", "賞"};
const char* const kGraded[] = {"ルリカケスカップ", "鴫立野ステークス", "苔庭大賞典",
                               "ヒメシャラステークス", "竹音記念ハンデキャップ",
                               "霧笛ヶ岬ダートクラシック", "鈴鳴ロングディスタンス"};

// Characters of a UTF-8 text (each kana is one three-byte character).
size_t CharCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

std::string HorseName(TDraws& d) {
  for (;;) {
    std::string name = std::string(d.Pick(kHorseHeads)) + d.Pick(kHorseTails);
    if (CharCount(name) <= 9) return name;
  }
}

std::string JockeyName(TDraws& d, int* allowance) {
  const int surname = d.Below(int(std::size(kSurnames)));
  const int given = d.Below(int(std::size(kGivenNames)));
  const std::string name = std::string(kSurnames[surname]) + kGivenNames[given];
  *allowance = 0;
  const double u = d.Next();
  if (u < 0.06) {
    *allowance = 3;
    return "▲" + name;
  }
  if (u < 0.10) {
    *allowance = 2;
    return "△" + name;
  }
  if (u < 0.15) {
    *allowance = 1;
    return "☆" + name;
  }
  if (u >= 0.96) return std::string(kVisitorInitials[given]) + "．" + kVisitorSurnames[surname];
  return name;
}

std::string TrainerName(TDraws& d) { return d.Pick(kTrainerNames); }

std::string RaceTitle(TDraws& d, bool graded) {
  if (graded) return d.Pick(kGraded);
  return std::string(d.Pick(kPlaces)) + d.Pick(kKinds);
}

}  // namespace vorpa::sim
