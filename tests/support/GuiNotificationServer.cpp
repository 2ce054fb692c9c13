#include "support/GuiNotificationServer.h"

#include <QDBusArgument>
#include <QDBusMessage>

namespace vorpa::test {

NotificationServer::NotificationServer(const std::string& address)
    : bus_(QDBusConnection::connectToBus(QString::fromStdString(address), "test-notifications")) {
  bus_.registerVirtualObject("/org/freedesktop/Notifications", this);
  Registered = bus_.registerService("org.freedesktop.Notifications");
}

NotificationServer::~NotificationServer() {
  bus_.unregisterObject("/org/freedesktop/Notifications");
  QDBusConnection::disconnectFromBus("test-notifications");
}

bool NotificationServer::handleMessage(const QDBusMessage& m, const QDBusConnection& connection) {
  if (m.member() != "Notify" || m.arguments().size() != 8) return false;
  const QList<QVariant> a = m.arguments();
  Notes.push_back({a[0].toString(), a[2].toString(), a[3].toString(), a[4].toString(),
                   qdbus_cast<QVariantMap>(a[6])});
  connection.send(m.createReply(QVariant::fromValue(static_cast<uint>(Notes.size()))));
  return true;
}

}  // namespace vorpa::test
