#pragma once
// The program's icon, drawn at start from its design (view/ProgramIconShape.h).
#include <QIcon>
#include <QImage>

namespace vorpa {

// The icon as a `size` x `size` picture with a transparent background.
QImage VorpaIconImage(int size);
QIcon VorpaIcon();

}  // namespace vorpa
