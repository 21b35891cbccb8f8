#include "app/shell/platform_info.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>

#ifdef ZUDIRA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace zudira {

QString OwnerFromGecos(const QString& gecos) {
  const QString name = gecos.section(QLatin1Char(','), 0, 0).trimmed();
  return name.isEmpty() ? QString::fromLatin1(kUnknownFact) : name;
}

QString WindowsOwner() {
  const passwd* entry = getpwuid(getuid());
  if (entry == nullptr || entry->pw_gecos == nullptr) return QString::fromLatin1(kUnknownFact);
  return OwnerFromGecos(QString::fromLocal8Bit(entry->pw_gecos));
}

QString RegisteredCompany() {
  return QString::fromLatin1(kUnknownFact);
}

PhysicalMemory ParseMemInfo(const QString& text) {
  PhysicalMemory memory;
  std::optional<std::int64_t> free_kb;
  static const QRegularExpression line(QStringLiteral(R"(^(\w+):\s*(\d+)\s*kB\s*$)"),
                                       QRegularExpression::MultilineOption);
  for (auto it = line.globalMatch(text); it.hasNext();) {
    const auto match = it.next();
    bool ok = false;
    const std::int64_t kb = match.captured(2).toLongLong(&ok);
    if (!ok) continue;
    const QString key = match.captured(1);
    if (key == QLatin1String("MemTotal"))
      memory.total_kb = kb;
    else if (key == QLatin1String("MemAvailable"))
      memory.available_kb = kb;
    else if (key == QLatin1String("MemFree"))
      free_kb = kb;
  }
  if (!memory.available_kb) memory.available_kb = free_kb;
  return memory;
}

PhysicalMemory ReadPhysicalMemory() {
  QFile file(QStringLiteral("/proc/meminfo"));
  // /proc files report a size of 0, so read until the end rather than by size.
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  return ParseMemInfo(QString::fromLatin1(file.readAll()));
}

int ProcessorTypeOfMachine(const QString& machine) {
  const QString m = machine.toLower();
  if (m == QLatin1String("i386")) return kProcessorIntel386;
  if (m == QLatin1String("i486")) return kProcessorIntel486;
  if (m == QLatin1String("i586") || m == QLatin1String("i686") || m == QLatin1String("x86_64"))
    return kProcessorIntelPentium;
  if (m.startsWith(QLatin1String("mips"))) return kProcessorMipsR4000;
  if (m == QLatin1String("alpha")) return kProcessorAlpha21064;
  return 0;
}

QString ProcessorName(int type) {
  switch (type) {
    case 386:
      return QStringLiteral("Intel 386");
    case 486:
      return QStringLiteral("Intel 486");
    case 586:
      return QStringLiteral("Intel Pentium");
    case 2000:
    case 3000:
    case 4000:
      return QStringLiteral("Mips R") + QString::number(type);
    case 21064:
      return QStringLiteral("Alpha 21064");
    default:
      return QString::number(type);
  }
}

namespace {

std::optional<utsname> Uname() {
  utsname info{};
  if (uname(&info) != 0) return std::nullopt;
  return info;
}

}  // namespace

QString ProcessorText() {
  const auto info = Uname();
  if (!info) return QString::fromLatin1(kUnknownFact);
  const QString machine = QString::fromLatin1(info->machine);
  const int type = ProcessorTypeOfMachine(machine);
  if (type != 0) return ProcessorName(type);
  return machine.isEmpty() ? QString::fromLatin1(kUnknownFact) : machine;
}

QString CpuModelFromCpuInfo(const QString& text) {
  QString fallback;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) continue;
    const QString key = line.left(colon).trimmed();
    const QString value = line.mid(colon + 1).simplified();
    if (value.isEmpty()) continue;
    if (key == QLatin1String("model name")) return value;
    // "Processor" on old ARM kernels is the model; on newer ones it is a number.
    const bool named = key == QLatin1String("cpu model") || key == QLatin1String("Hardware") ||
                       (key == QLatin1String("Processor") && !value.front().isDigit());
    if (named && fallback.isEmpty()) fallback = value;
  }
  return fallback;
}

QString CpuModelName() {
  QFile file(QStringLiteral("/proc/cpuinfo"));
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    const QString model = CpuModelFromCpuInfo(QString::fromUtf8(file.readAll()));
    if (!model.isEmpty()) return model;
  }
  return ProcessorText();
}

QString PrettyNameFromOsRelease(const QString& text) {
  QString name;
  QString version;
  QString pretty;
  for (const QString& raw : text.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (line.startsWith(QLatin1Char('#')) || equals <= 0) continue;
    QString value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
      value = value.mid(1, value.size() - 2);
    const QString key = line.left(equals);
    if (key == QLatin1String("PRETTY_NAME")) pretty = value;
    else if (key == QLatin1String("NAME")) name = value;
    else if (key == QLatin1String("VERSION")) version = value;
  }
  if (!pretty.isEmpty()) return pretty;
  return (name + QLatin1Char(' ') + version).trimmed();
}

QString OperatingSystemText() {
  QString pretty;
  for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
    pretty = PrettyNameFromOsRelease(QString::fromUtf8(file.readAll()));
    if (!pretty.isEmpty()) break;
  }
  if (pretty.isEmpty()) pretty = QStringLiteral("Linux");
  utsname info{};
  if (uname(&info) != 0) return pretty;
  return pretty + QStringLiteral(", kernel ") + QString::fromLatin1(info.release);
}

QString KernelVersionFromRelease(const QString& release) {
  static const QRegularExpression version(QStringLiteral(R"(^(\d+)\.(\d+))"));
  const auto match = version.match(release);
  if (!match.hasMatch()) return QString::fromLatin1(kUnknownFact);
  bool ok_major = false;
  bool ok_minor = false;
  const int major = match.captured(1).toInt(&ok_major);
  const int minor = match.captured(2).toInt(&ok_minor);
  if (!ok_major || !ok_minor) return QString::fromLatin1(kUnknownFact);
  return QStringLiteral("%1.%2").arg(major).arg(minor);
}

QString KernelVersion() {
  const auto info = Uname();
  if (!info) return QString::fromLatin1(kUnknownFact);
  return KernelVersionFromRelease(QString::fromLatin1(info->release));
}

#ifdef ZUDIRA_HAVE_X11
namespace {

// One connection of our own, opened on first use and kept for the run: Qt's xcb connection
// is not reachable through public headers, and the indicators are read often (status bar).
Display* LockKeyDisplay() {
  static Display* display = XOpenDisplay(nullptr);
  return display;
}

bool IndicatorOn(Display* display, const char* name, bool& known) {
  const Atom atom = XInternAtom(display, name, True);
  if (atom == 0) return false;
  Bool on = False;
  if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
  known = true;
  return on != False;
}

}  // namespace
#endif

LockKeyState ReadLockKeys() {
  LockKeyState state;
#ifdef ZUDIRA_HAVE_X11
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return state;
  Display* display = LockKeyDisplay();
  if (display == nullptr) return state;
  bool known = false;
  state.caps_lock = IndicatorOn(display, "Caps Lock", known);
  state.num_lock = IndicatorOn(display, "Num Lock", known);
  state.scroll_lock = IndicatorOn(display, "Scroll Lock", known);
  state.known = known;
#endif
  return state;
}

}  // namespace zudira
