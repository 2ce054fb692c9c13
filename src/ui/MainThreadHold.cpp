#include "ui/MainThreadHold.h"

#include <QCoreApplication>

namespace vorpa {

void TakeOnMainThread(TRaceHold& hold, const std::string& path) {
  hold.Take(path, [] {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return false;
  });
}

}  // namespace vorpa
