#include "app/shell/platform_info.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace zudira {
namespace {

TEST(PlatformInfo, OwnerIsTheFirstGecosField) {
  const struct {
    const char* gecos;
    const char* owner;
  } cases[] = {
      {"Ada Lovelace,Room 12,555-1234,,", "Ada Lovelace"},
      {"  Grace Hopper  ", "Grace Hopper"},
      {"", "(Unknown)"},
      {",,,", "(Unknown)"},
      {"   ,Room 1", "(Unknown)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(OwnerFromGecos(QString::fromUtf8(c.gecos)), QString::fromUtf8(c.owner)) << c.gecos;
  // The live reader answers with this user's own passwd entry.
  const passwd* entry = getpwuid(getuid());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(WindowsOwner(), entry->pw_gecos == nullptr
                                ? QString::fromLatin1(kUnknownFact)
                                : OwnerFromGecos(QString::fromLocal8Bit(entry->pw_gecos)));
}

TEST(PlatformInfo, MemInfoReadsTotalAndAvailable) {
  const PhysicalMemory modern = ParseMemInfo(
      "MemTotal:       16318412 kB\nMemFree:          811232 kB\n"
      "MemAvailable:   10123456 kB\nBuffers:          123 kB\n");
  EXPECT_EQ(modern.total_kb, 16318412);
  EXPECT_EQ(modern.available_kb, 10123456);

  // Kernels before 3.14 have no MemAvailable line: the free memory stands in.
  const PhysicalMemory old = ParseMemInfo("MemTotal: 999 kB\nMemFree: 1000 kB\n");
  EXPECT_EQ(old.total_kb, 999);
  EXPECT_EQ(old.available_kb, 1000);

  const PhysicalMemory none = ParseMemInfo("garbage\nSwapTotal: 5 kB\n");
  EXPECT_FALSE(none.total_kb.has_value());
  EXPECT_FALSE(none.available_kb.has_value());

  const PhysicalMemory real = ReadPhysicalMemory();
  ASSERT_TRUE(real.total_kb.has_value());
  EXPECT_GT(*real.total_kb, 0);
}

TEST(PlatformInfo, ProcessorNameTable) {
  const struct {
    int type;
    const char* name;
  } cases[] = {
      {386, "Intel 386"},     {486, "Intel 486"},   {586, "Intel Pentium"},
      {2000, "Mips R2000"},   {3000, "Mips R3000"}, {4000, "Mips R4000"},
      {21064, "Alpha 21064"}, {8664, "8664"},       {0, "0"},
      {5000, "5000"},         {21164, "21164"},     {-1, "-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProcessorName(c.type), QString::fromLatin1(c.name));
}

TEST(PlatformInfo, ProcessorTypeOfMachine) {
  EXPECT_EQ(ProcessorTypeOfMachine("x86_64"), 586);
  EXPECT_EQ(ProcessorTypeOfMachine("i686"), 586);
  EXPECT_EQ(ProcessorTypeOfMachine("i386"), 386);
  EXPECT_EQ(ProcessorTypeOfMachine("i486"), 486);
  EXPECT_EQ(ProcessorTypeOfMachine("alpha"), 21064);
  EXPECT_EQ(ProcessorTypeOfMachine("aarch64"), 0);
  utsname names{};
  ASSERT_EQ(uname(&names), 0);
  const QString machine = QString::fromLatin1(names.machine);
  const int type = ProcessorTypeOfMachine(machine);
  EXPECT_EQ(ProcessorText(), type != 0 ? ProcessorName(type) : machine);
}

TEST(PlatformInfo, ProcessorModelAndOperatingSystemFromTheirFiles) {
  const struct {
    const char* cpuinfo;
    const char* model;
  } cpus[] = {
      {"processor\t: 0\nvendor_id\t: AuthenticAMD\nmodel name\t: AMD EPYC 7B13 64-Core "
       "Processor\nprocessor\t: 1\nmodel name\t: other\n",
       "AMD EPYC 7B13 64-Core Processor"},
      {"Processor\t: ARMv7 Processor rev 4 (v7l)\nHardware\t: BCM2835\n",
       "ARMv7 Processor rev 4 (v7l)"},
      {"processor\t: 0\nHardware\t: BCM2835\n", "BCM2835"},
      {"system type\t: MT7621\ncpu model\t: MIPS 1004Kc V2.15\n", "MIPS 1004Kc V2.15"},
      {"processor : 0\nBogoMIPS : 50.00\n", ""},
  };
  for (const auto& c : cpus)
    EXPECT_EQ(CpuModelFromCpuInfo(QString::fromLatin1(c.cpuinfo)), QString::fromLatin1(c.model));
  EXPECT_FALSE(CpuModelName().isEmpty());
  EXPECT_NE(CpuModelName(), "Intel Pentium");

  const struct {
    const char* os_release;
    const char* name;
  } systems[] = {
      {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n",
       "Debian GNU/Linux 12 (bookworm)"},
      {"# comment\nNAME='Arch Linux'\nPRETTY_NAME='Arch Linux'\n", "Arch Linux"},
      {"NAME=Alpine\nVERSION=3.19\n", "Alpine 3.19"},
      {"garbage\n", ""},
  };
  for (const auto& c : systems)
    EXPECT_EQ(PrettyNameFromOsRelease(QString::fromLatin1(c.os_release)),
              QString::fromLatin1(c.name));
  EXPECT_TRUE(OperatingSystemText().contains(", kernel "));
}

TEST(PlatformInfo, KernelVersionIsMajorDotMinor) {
  EXPECT_EQ(KernelVersionFromRelease("6.1.0-18-amd64"), "6.1");
  EXPECT_EQ(KernelVersionFromRelease("5.15.133.1-microsoft-standard-WSL2"), "5.15");
  EXPECT_EQ(KernelVersionFromRelease("4.09"), "4.9");
  EXPECT_EQ(KernelVersionFromRelease("6"), "(Unknown)");
  EXPECT_EQ(KernelVersionFromRelease(""), "(Unknown)");
  utsname names{};
  ASSERT_EQ(uname(&names), 0);
  EXPECT_EQ(KernelVersion(), KernelVersionFromRelease(QString::fromLatin1(names.release)));
}

TEST(PlatformInfo, LockKeysAreUnknownOffscreen) {
  // The tests run on the offscreen platform, which has no keyboard lights.
  const LockKeyState keys = ReadLockKeys();
  EXPECT_FALSE(keys.known);
  EXPECT_FALSE(keys.caps_lock || keys.num_lock || keys.scroll_lock);
}

}  // namespace
}  // namespace zudira
