#pragma once
// org.freedesktop.Notifications on a test's private session bus: answers
// Notify and records every call.
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QString>
#include <QVariantMap>
#include <string>
#include <vector>

namespace vorpa::test {

class NotificationServer : public QDBusVirtualObject {
 public:
  struct Note {
    QString App, Icon, Summary, Body;
    QVariantMap Hints;
  };

  explicit NotificationServer(const std::string& address);
  ~NotificationServer() override;

  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& m, const QDBusConnection& connection) override;

  bool Registered = false;
  std::vector<Note> Notes;

 private:
  QDBusConnection bus_;
};

}  // namespace vorpa::test
