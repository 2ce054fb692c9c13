#pragma once
// The program's icon, drawn at start: a white "V" on a turf-green tile.
#include <QIcon>

namespace vorpa {

QIcon VorpaIcon();

}  // namespace vorpa
