// vorpa-icons: writes the program's icon for the desktop's icon theme at build
// time: OUTDIR/scalable/apps/vorpa.svg and OUTDIR/NxN/apps/vorpa.png.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <fstream>

#include "ui/ProgramIcon.h"
#include "view/ProgramIconShape.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vorpa-icons OUTDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out + "/scalable/apps");
  std::ofstream svg((out + "/scalable/apps/vorpa.svg").toStdString(), std::ios::binary);
  svg << vorpa::ProgramIconSvg(256);
  if (!svg.flush()) return 1;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
    QDir().mkpath(dir);
    if (!vorpa::VorpaIconImage(size).save(dir + "/vorpa.png")) return 1;
  }
  return 0;
}
