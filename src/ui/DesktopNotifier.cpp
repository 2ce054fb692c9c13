#include "ui/DesktopNotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFileInfo>
#include <QImage>
#include <QVariantMap>
#include <atomic>

#include "ui/ProgramIcon.h"

namespace {

// The notification hint "image-data": a raw RGBA picture (iiibiiay).
struct TNotifyImage {
  int Width = 0, Height = 0, RowStride = 0;
  bool HasAlpha = true;
  int BitsPerSample = 8, Channels = 4;
  QByteArray Data;
};

}  // namespace

Q_DECLARE_METATYPE(TNotifyImage)

namespace {

QDBusArgument& operator<<(QDBusArgument& a, const TNotifyImage& i) {
  a.beginStructure();
  a << i.Width << i.Height << i.RowStride << i.HasAlpha << i.BitsPerSample << i.Channels << i.Data;
  a.endStructure();
  return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, TNotifyImage& i) {
  a.beginStructure();
  a >> i.Width >> i.Height >> i.RowStride >> i.HasAlpha >> i.BitsPerSample >> i.Channels >> i.Data;
  a.endStructure();
  return a;
}

TNotifyImage IconImage() {
  const QImage image = vorpa::VorpaIconImage(64).convertToFormat(QImage::Format_RGBA8888);
  TNotifyImage i;
  i.Width = image.width();
  i.Height = image.height();
  i.RowStride = static_cast<int>(image.bytesPerLine());
  i.Data = QByteArray(reinterpret_cast<const char*>(image.constBits()),
                      static_cast<qsizetype>(image.sizeInBytes()));
  return i;
}

}  // namespace

namespace vorpa {

TDesktopNotifier::TDesktopNotifier(QObject* parent) : QObject(parent) {
  static std::atomic<int> count{0};
  qDBusRegisterMetaType<TNotifyImage>();
  // A connection of its own, to the bus the environment names now (or the
  // user's bus in the runtime folder); none is searched or started.
  busName_ = QStringLiteral("vorpa-notifier-%1").arg(count++);
  QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (address.isEmpty() && !runtime.isEmpty() && QFileInfo::exists(runtime + "/bus"))
    address = "unix:path=" + runtime + "/bus";
  if (!address.isEmpty()) QDBusConnection::connectToBus(address, busName_);
}

TDesktopNotifier::~TDesktopNotifier() { QDBusConnection::disconnectFromBus(busName_); }

bool TDesktopNotifier::Connected() const { return QDBusConnection(busName_).isConnected(); }

bool TDesktopNotifier::Notify(const QString& summary, const QString& body, TUrgency urgency) {
  QDBusConnection bus(busName_);
  if (!enabled_ || !bus.isConnected()) return false;
  static const TNotifyImage icon = IconImage();
  QVariantMap hints;
  hints.insert("desktop-entry", QStringLiteral("vorpa"));
  hints.insert("urgency", QVariant::fromValue(static_cast<uchar>(urgency)));
  hints.insert("image-data", QVariant::fromValue(icon));
  QDBusMessage call = QDBusMessage::createMethodCall(
      "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
      "org.freedesktop.Notifications", "Notify");
  call << QStringLiteral("Vorpa") << 0u << QStringLiteral("vorpa") << summary << body << QStringList()
       << hints << -1;
  return bus.send(call);
}

}  // namespace vorpa
