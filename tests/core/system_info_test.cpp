#include <gtest/gtest.h>

#include <cstring>

#include "core/system_info.h"

namespace {

TEST(SystemInfo, ReadsVendorAndNameOfTheFirstProcessor) {
  const char* cpuinfo =
      "processor\t: 0\n"
      "vendor_id\t: GenuineIntel\n"
      "cpu family\t: 6\n"
      "model name\t: Intel(R) Core(TM)   i5-8250U CPU @ 1.60GHz  \n"
      "\n"
      "processor\t: 1\n"
      "vendor_id\t: OtherVendor\n"
      "model name\t: Second\n";
  SystemInfo info;
  ParseCpuInfo(cpuinfo, &info);
  EXPECT_STREQ(info.vendor, "GenuineIntel");
  EXPECT_STREQ(info.cpu, "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
}

TEST(SystemInfo, MissingFieldsGetPlainWords) {
  SystemInfo info;
  ParseCpuInfo("processor : 0\nBogoMIPS : 50.00\nmodel name_x : no\n", &info);
  EXPECT_STREQ(info.vendor, "Unknown");
  EXPECT_STREQ(info.cpu, "Processor");
  ParseCpuInfo("", &info);
  EXPECT_STREQ(info.vendor, "Unknown");
}

TEST(SystemInfo, MemoryIsWholeMegabytes) {
  EXPECT_EQ(ParseMemTotalMb("MemTotal:       16303428 kB\nMemFree: 1 kB\n"), 15921);
  EXPECT_EQ(ParseMemTotalMb("MemFree: 1 kB\n"), 0);
  EXPECT_EQ(ParseMemTotalMb("MemTotal: junk\n"), 0);
}

TEST(SystemInfo, LineKeepsItsFormat) {
  SystemInfo info;
  strcpy(info.vendor, "AuthenticAMD");
  strcpy(info.cpu, "Ryzen 5");
  strcpy(info.os, "Linux 6.1.0");
  info.memoryMb = 7890;
  char line[120];
  FormatSystemLine(info, line, sizeof line);
  EXPECT_STREQ(line, "System: AuthenticAMD Ryzen 5, Linux 6.1.0, 7890 MB memory.");
}

TEST(SystemInfo, TheRunningMachineIsDescribed) {
  SystemInfo info;
  GatherSystemInfo(&info);
  EXPECT_GT(info.memoryMb, 0);
  EXPECT_STRNE(info.os, "");
  EXPECT_EQ(strchr(info.os, '-'), nullptr);
}

}  // namespace
