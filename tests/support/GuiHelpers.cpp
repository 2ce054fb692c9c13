#include "support/GuiHelpers.h"

#include <QRegularExpression>

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace vorpa::test {

void WhenModal(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  // A dialog already up when this is called (the one whose button opens the
  // next) is not the one to answer: under load the timer can fire before
  // the next dialog has become the active modal widget.
  const QPointer<QWidget> before = QApplication::activeModalWidget();
  QObject::connect(timer, &QTimer::timeout, [timer, answer, before] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || (before && modal == before.data())) return;
    timer->stop();
    timer->deleteLater();
    answer(modal);
  });
  timer->start();
}

void ClickCell(QTableWidget* grid, int row, int col, Qt::MouseButton button) {
  QWidget* vp = grid->viewport();
  const QPoint at = grid->visualRect(grid->model()->index(row, col)).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, vp->mapToGlobal(at), button, button, Qt::NoModifier);
  QApplication::sendEvent(vp, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, vp->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(vp, &release);
}

bool ProcessEventsUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 5000) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

QString Untimed(const QString& line) {
  static const QRegularExpression time("^\\d\\d:\\d\\d:\\d\\d ");
  if (!time.match(line).hasMatch()) return "(untimed) " + line;
  return line.mid(9);
}

}  // namespace vorpa::test
