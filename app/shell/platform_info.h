// Facts about the machine that Qt does not give: the user's full name, physical memory, the
// processor, the kernel version and the state of the lock keys. Each comes from its Linux
// source (the passwd entry, /proc/meminfo, uname, the X11 keyboard indicators); where Linux
// has nothing that answers, the text is "(Unknown)".
//
// Every reader has a pure counterpart taking the source text, so the parsing can be checked
// without the machine it runs on.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zudira {

// The answer for a fact that does not exist on this system.
inline constexpr const char* kUnknownFact = "(Unknown)";

// The full name of the user running the program: the first comma-separated field of the
// passwd entry's GECOS text, or "(Unknown)" when there is none.
QString WindowsOwner();
// The full name in a GECOS text ("Ada Lovelace,Room 12,,"), "(Unknown)" when it is blank.
QString OwnerFromGecos(const QString& gecos);

// The registered organisation: Linux keeps none, so always "(Unknown)".
QString RegisteredCompany();

// Physical memory in KB (1024 bytes); a value the source lacks is empty.
struct PhysicalMemory {
  std::optional<std::int64_t> total_kb;
  std::optional<std::int64_t> available_kb;
};
PhysicalMemory ReadPhysicalMemory();
// Reads MemTotal and MemAvailable (MemFree on kernels before 3.14) from /proc/meminfo text.
PhysicalMemory ParseMemInfo(const QString& text);

// The processor type numbers that the table of names knows.
inline constexpr int kProcessorIntel386 = 386;
inline constexpr int kProcessorIntel486 = 486;
inline constexpr int kProcessorIntelPentium = 586;
inline constexpr int kProcessorMipsR4000 = 4000;
inline constexpr int kProcessorAlpha21064 = 21064;

// The processor type of a uname machine name: every x86 family member from i586 up (x86_64
// too) reports the Pentium type, as a 32-bit program sees it; 0 when there is no type number.
int ProcessorTypeOfMachine(const QString& machine);
// The name of a processor type: "Intel 386", "Intel 486", "Intel Pentium", "Mips R2000"...,
// "Alpha 21064", else the number in decimal.
QString ProcessorName(int type);
// The processor as shown to the user: the name of its type, or the machine name when the
// machine has no type number.
QString ProcessorText();

// The processor's model name from /proc/cpuinfo text: the first "model name" line (x86),
// else "cpu model" (MIPS), "Processor" or "Hardware" (older ARM); empty when none is there.
QString CpuModelFromCpuInfo(const QString& text);
// This machine's processor model name, or ProcessorText() when /proc/cpuinfo names none.
QString CpuModelName();

// The PRETTY_NAME of /etc/os-release text, unquoted; "NAME VERSION" when it has no pretty
// name; empty when it has neither.
QString PrettyNameFromOsRelease(const QString& text);
// The operating system as shown to the user: its pretty name (/etc/os-release, else
// /usr/lib/os-release, else "Linux") and the kernel release from uname.
QString OperatingSystemText();

// The kernel's version as "major.minor" ("%d.%d"), from a uname release text such as
// "6.1.0-18-amd64"; "(Unknown)" when the text does not start with two numbers.
QString KernelVersionFromRelease(const QString& release);
QString KernelVersion();

// The lock keys' lights. `known` is false when the display is not X11 (offscreen, Wayland)
// or cannot be asked; then every key reads as off.
struct LockKeyState {
  bool known = false;
  bool caps_lock = false;
  bool num_lock = false;
  bool scroll_lock = false;
};
LockKeyState ReadLockKeys();

}  // namespace zudira
