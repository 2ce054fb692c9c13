// The race card's owner-drawn cells, painted into an image: frame colours,
// striping, remark colours, odds colours and the three-piece place cell.
#include "ui/CardCellDelegate.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>

#include "core/Cp932.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "view/RaceCard.h"

namespace vorpa {
namespace {

constexpr int kW = 80, kH = 16;

class CardCellDelegateTest : public testing::Test {
 protected:
  void SetUp() override {
    Setting = TSetting();
    Remarks.Items.clear();
    model_.setRowCount(18);
    model_.setColumnCount(kCardColumns);
    font_ = QFont("IPAGothic");
    font_.setPixelSize(12);
    font_.setStyleStrategy(QFont::NoAntialias);  // exact ink colours
  }
  void TearDown() override {
    Setting = TSetting();
    Remarks.Items.clear();
  }
  // Paints the cell (grid row `row` from 1) holding `text` on a magenta
  // canvas, so unpainted pixels stand out.
  QImage Paint(int row, int col, const QString& text, bool selected = false) {
    model_.setData(model_.index(row - 1, col), text);
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    QStyleOptionViewItem opt;
    opt.rect = QRect(0, 0, kW, kH);
    opt.font = font_;
    opt.palette.setColor(QPalette::Base, Qt::white);
    opt.palette.setColor(QPalette::Text, Qt::black);
    opt.palette.setColor(QPalette::Highlight, QColor(0x30, 0x60, 0xC0));
    opt.state = QStyle::State_Enabled | (selected ? QStyle::State_Selected : QStyle::State_None);
    delegate_.paint(&p, opt, model_.index(row - 1, col));
    return img;
  }
  static QColor Back(const QImage& img) { return img.pixelColor(kW - 2, kH - 2); }
  // Whether some pixel in columns [x0, x1) has exactly this colour.
  static bool HasInk(const QImage& img, QColor c, int x0 = 0, int x1 = kW) {
    for (int y = 0; y < kH; ++y)
      for (int x = x0; x < x1; ++x)
        if (img.pixelColor(x, y) == c) return true;
    return false;
  }

  QStandardItemModel model_;
  TCardCellDelegate delegate_;
  QFont font_;
};

TEST_F(CardCellDelegateTest, FrameColoursWithTheirTextColours) {
  struct Frame {
    const char* Text;
    QColor Back, Ink;
  };
  const Frame frames[] = {
      {" 2", Qt::black, Qt::white},           {" 3", QColor(0xFF, 0, 0), Qt::white},
      {" 4", QColor(0, 0, 0xFF), Qt::white},  {" 5", QColor(0xFF, 0xFF, 0), Qt::black},
      {" 6", QColor(0, 0x9A, 0), Qt::white},  {" 7", QColor(0xFF, 0x9A, 0), Qt::black},
      {" 8", QColor(0xFF, 0x9A, 0xCE), Qt::black},
  };
  for (const Frame& f : frames) {
    SCOPED_TRACE(f.Text);
    for (int row : {1, 2}) {
      QImage img = Paint(row, kColFrame, f.Text, /*selected=*/row == 2);
      EXPECT_EQ(Back(img), f.Back);  // striping and the highlight do not apply
      EXPECT_TRUE(HasInk(img, f.Ink));
    }
  }
  // Frame 1 takes the row colour: white, light grey on even rows.
  EXPECT_EQ(Back(Paint(1, kColFrame, " 1")), Qt::white);
  EXPECT_EQ(Back(Paint(2, kColFrame, " 1")), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_TRUE(HasInk(Paint(2, kColFrame, " 1"), Qt::black));
}

TEST_F(CardCellDelegateTest, StripingFollowsTheSetting) {
  EXPECT_EQ(Back(Paint(1, kColAge, " 4")), Qt::white);
  EXPECT_EQ(Back(Paint(2, kColAge, " 4")), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(Back(Paint(4, kColBurden, " 57.0")), QColor(0xF0, 0xF0, 0xF0));
  Setting.GridStriped = false;
  EXPECT_EQ(Back(Paint(2, kColAge, " 4")), Qt::white);
}

TEST_F(CardCellDelegateTest, RemarkColoursByPrefixEvenWhenCurrent) {
  Remarks.Parse(Utf8ToCp932("ハルカゼ,00FFFF,800000\r\n山田,FFFFFF,008000\r\n"));
  // Platform order: 800000 is dark blue, 00FFFF yellow.
  QImage horse = Paint(2, kColHorseName, QString::fromUtf8("ハルカゼトキメキ"), true);
  EXPECT_EQ(Back(horse), QColor(0, 0, 0x80));
  EXPECT_TRUE(HasInk(horse, QColor(0xFF, 0xFF, 0)));
  QImage jockey = Paint(3, kColJockey, QString::fromUtf8("山田太郎"));
  EXPECT_EQ(Back(jockey), QColor(0, 0x80, 0));
  EXPECT_TRUE(HasInk(jockey, Qt::white));
  // Not in the list: row colour and window text.
  QImage trainer = Paint(2, kColTrainer, QString::fromUtf8("加藤榧"), true);
  EXPECT_EQ(Back(trainer), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_TRUE(HasInk(trainer, Qt::black));
}

TEST_F(CardCellDelegateTest, OddsColoursAndThePlacePieces) {
  QImage red = Paint(1, kColWin, "   3.4");
  EXPECT_TRUE(HasInk(red, QColor(0xFF, 0, 0)));
  EXPECT_FALSE(HasInk(red, QColor(0, 0, 0xFF)));
  EXPECT_TRUE(HasInk(Paint(1, kColWin, "  34.0"), QColor(0, 0, 0xFF)));
  EXPECT_TRUE(HasInk(Paint(1, kColRen, "   340"), QColor(0, 0x80, 0)));
  // Place: low part red, "-" black, high part blue, side by side.
  QImage place = Paint(1, kColPlace, "  1.2- 12.5");
  const int charW = QFontMetrics(font_).horizontalAdvance("0");
  const int dashX = 2 + 5 * charW;
  EXPECT_TRUE(HasInk(place, QColor(0xFF, 0, 0), 0, dashX));
  EXPECT_FALSE(HasInk(place, QColor(0xFF, 0, 0), dashX, kW));
  EXPECT_TRUE(HasInk(place, Qt::black, dashX, dashX + charW));
  EXPECT_TRUE(HasInk(place, QColor(0, 0, 0xFF), dashX + charW, kW));
  EXPECT_FALSE(HasInk(place, QColor(0, 0, 0xFF), 0, dashX));
  // Uncoloured odds are black.
  Setting.OddsColored = false;
  EXPECT_FALSE(HasInk(Paint(1, kColWin, "   3.4"), QColor(0xFF, 0, 0)));
  EXPECT_TRUE(HasInk(Paint(1, kColWin, "   3.4"), Qt::black));
}

TEST_F(CardCellDelegateTest, CurrentOddsCellKeepsTheHighlight) {
  const QColor highlight(0x30, 0x60, 0xC0);
  EXPECT_TRUE(HasInk(Paint(1, kColWin, "   3.4", true), highlight));
  EXPECT_TRUE(HasInk(Paint(2, kColPlace, "  1.2- 12.5", true), highlight));
  EXPECT_FALSE(HasInk(Paint(1, kColWin, "   3.4", false), highlight));
}

}  // namespace
}  // namespace vorpa
