#pragma once
// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications on the session D-Bus), with the program's
// name and icon. Without a session bus, or with no service on it, nothing
// shows and nothing is reported: the program goes on as before.
#include <QObject>
#include <QString>

class QDBusConnection;

namespace vorpa {

class TDesktopNotifier : public QObject {
  Q_OBJECT
 public:
  enum TUrgency { kLow = 0, kNormal = 1, kCritical = 2 };

  // Connects to the session bus that DBUS_SESSION_BUS_ADDRESS names now.
  explicit TDesktopNotifier(QObject* parent = nullptr);
  ~TDesktopNotifier() override;

  // Notifications on or off (the setting DesktopNotify); on at the start.
  void SetEnabled(bool on) { enabled_ = on; }
  bool Enabled() const { return enabled_; }
  // A session bus is connected.
  bool Connected() const;

  // Shows `summary` and `body` (plain text). Never waits: the call is sent
  // and its answer is not awaited. False when nothing was sent (off, or no
  // bus).
  bool Notify(const QString& summary, const QString& body, TUrgency urgency = kNormal);

 private:
  QString busName_;
  bool enabled_ = true;
};

}  // namespace vorpa
