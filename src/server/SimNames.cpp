#include "server/SimNames.h"

namespace vorpa::sim {
namespace {

const char* const kHorseHeads[] = {
    "サクラ", "メイショウ", "ゴールド", "シルバー", "トウカイ", "マイネル", "エイシン",
    "ダイワ", "アドマイヤ", "キタサン", "ウイン", "タガノ", "ヒシ", "スマート", "ニシノ",
    "レッド", "ブラック", "ミスター", "ハッピー", "セイウン"};
const char* const kHorseTails[] = {
    "ブレイブ", "ローズ", "スター", "フラッシュ", "ソング", "ウインド", "ハート", "クイーン",
    "キング", "ドリーム", "アロー", "ムーン", "リーフ", "ベル", "ナイト", "カイザー",
    "グレイス", "ルージュ", "テソーロ", "ボルト", "エース", "ミライ", "ハヤテ", "カグラ"};
const char* const kSurnames[] = {
    "佐藤", "田中", "武藤", "横山", "川田", "松山", "岩田", "坂井", "菅原", "戸崎",
    "北村", "丹内", "西村", "鮫島", "永野", "小林", "吉田", "石橋", "大野", "池添"};
const char* const kGivenNames[] = {
    "一真", "和生", "友一", "弘平", "瑠星", "明人", "圭太", "大輔", "駿", "康太",
    "勇介", "雅", "隼人", "拓也", "亮", "誠"};
const char* const kTrainerNames[] = {
    "国枝栄", "堀宣行", "木村哲也", "矢作芳人", "友道康夫", "中内田充", "池江泰寿",
    "手塚貴久", "宮田敬介", "杉山晴紀", "斉藤崇史", "鹿戸雄一", "高野友和", "田村康仁"};
const char* const kPlaces[] = {"鎌倉", "秩父", "浦安", "晩秋", "師走", "美浦", "房総", "多摩川",
                               "北山", "醍醐", "香嵐渓", "桑名", "清水", "舞子", "宮崎"};
const char* const kKinds[] = {"ステークス", "特別", "カップ", "賞"};
const char* const kGraded[] = {"チャレンジカップ", "カペラステークス", "中日新聞杯",
                               "ターコイズステークス", "朝日杯セントライト記念",
                               "ジャパンダートクラシック", "ステイヤーズステークス"};

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
  std::string name = std::string(d.Pick(kSurnames)) + d.Pick(kGivenNames);
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
  return name;
}

std::string TrainerName(TDraws& d) { return d.Pick(kTrainerNames); }

std::string RaceTitle(TDraws& d, bool graded) {
  if (graded) return d.Pick(kGraded);
  return std::string(d.Pick(kPlaces)) + d.Pick(kKinds);
}

}  // namespace vorpa::sim
