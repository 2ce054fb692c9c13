#pragma once
// Helpers of the GUI tests: text conversion and answering modal dialogs.
#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <ostream>

// Readable Qt texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorpa::test {

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Once the next modal dialog is up, runs `answer` on it (from the dialog's
// own event loop).
void WhenModal(std::function<void(QWidget*)> answer);
// A mouse press and release on the centre of a grid cell (table row and
// column, the header row not counted), as a user's click.
void ClickCell(QTableWidget* grid, int row, int col, Qt::MouseButton button = Qt::LeftButton);
// A log line without its time of day "hh:mm:ss "; a line without one comes
// back marked "(untimed) ".
QString Untimed(const QString& line);
// Processes events until `done` holds or about five seconds have passed.
bool ProcessEventsUntil(const std::function<bool()>& done);

}  // namespace vorpa::test
