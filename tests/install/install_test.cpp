#include <doctest.h>

#include <algorithm>
#include <array>

#include "install/recording_fakes.h"

namespace {

using test::CallLog;

// Small stand-ins for the four program files, told apart by their sizes.
const std::array<std::uint8_t, 3> kNarvel{'M', 'Z', 1};
const std::array<std::uint8_t, 4> kPelgar{'M', 'Z', 2, 2};
const std::array<std::uint8_t, 5> kTavrin{'M', 'Z', 3, 3, 3};
const std::array<std::uint8_t, 6> kDosk{'M', 'Z', 4, 4, 4, 4};
const std::array<app::PayloadFile, 4> kPayload{{
    {"\\Tavrin\\pz\\exe\\narvel.exe", kNarvel},
    {"\\Tavrin\\pz\\exe\\pelgar.exe", kPelgar},
    {"\\Tavrin\\Tavrin.exe", kTavrin},
    {"\\Tavrin\\pz\\exe\\dosk.exe", kDosk},
}};

// What a complete run from "C:\Program Files" does, in order.
const CallLog kDefaultRun{
    "show progress",
    "dir C:\\Program Files\\Tavrin",
    "progress 10",
    "dir C:\\Program Files\\Tavrin\\pz",
    "progress 18",
    "dir C:\\Program Files\\Tavrin\\pz\\cxpz",
    "progress 30",
    "dir C:\\Program Files\\Tavrin\\pz\\exe",
    "progress 35",
    "write C:\\Program Files\\Tavrin\\pz\\exe\\narvel.exe (3 bytes)",
    "progress 49",
    "write C:\\Program Files\\Tavrin\\pz\\exe\\pelgar.exe (4 bytes)",
    "progress 70",
    "write C:\\Program Files\\Tavrin\\Tavrin.exe (5 bytes)",
    "progress 75",
    "write C:\\Program Files\\Tavrin\\pz\\exe\\dosk.exe (6 bytes)",
    "progress 86",
    "desktop folder",
    "link C:\\users\\tester\\Desktop\\Tavrin -> C:\\Program Files\\Tavrin\\Tavrin.exe",
    "progress 91",
    "start menu folder",
    "dir C:\\users\\tester\\Start Menu\\\\Tavrin",
    "start menu folder",
    "link C:\\users\\tester\\Start Menu\\Tavrin\\Tavrin -> C:\\Program Files\\Tavrin\\Tavrin.exe",
    "progress 100",
    "page 3",
};

// One procedure run against the recording fakes.
struct Run {
  explicit Run(std::string folder) : host(log, std::move(folder)), services(log) {}
  bool Install() { return app::OnInstall(host, services, kPayload); }

  CallLog log;
  test::RecordingHost host;
  test::RecordingServices services;
};

bool Contains(const CallLog& log, const std::string& call) {
  return std::find(log.begin(), log.end(), call) != log.end();
}

}  // namespace

TEST_CASE("install from the default folder runs every step in order and shows the last page") {
  Run run("C:\\Program Files");
  CHECK(run.Install());
  CHECK(run.log == kDefaultRun);
}

TEST_CASE("install paths are plain concatenations of the folder text") {
  struct Case {
    const char* base;
    const char* productFolder;  // as passed to the first directory creation
    const char* mainProgram;    // as written and as the links' target
  };
  const Case cases[] = {
      {"C:\\Program Files", "C:\\Program Files\\Tavrin", "C:\\Program Files\\Tavrin\\Tavrin.exe"},
      // A browsed folder ends in a backslash: the separator is doubled.
      {"D:\\Apps\\", "D:\\Apps\\\\Tavrin", "D:\\Apps\\\\Tavrin\\Tavrin.exe"},
      {"C:\\Program Files\\", "C:\\Program Files\\\\Tavrin", "C:\\Program Files\\\\Tavrin\\Tavrin.exe"},
  };
  for (const Case& c : cases) {
    const std::string base = c.base;
    CAPTURE(base);
    Run run(c.base);
    CHECK(run.Install());
    CHECK(Contains(run.log, std::string("dir ") + c.productFolder));
    CHECK(Contains(run.log, std::string("write ") + c.mainProgram + " (5 bytes)"));
    CHECK(Contains(run.log, std::string("link C:\\users\\tester\\Desktop\\Tavrin -> ") + c.mainProgram));

    CallLog progress;
    std::copy_if(run.log.begin(), run.log.end(), std::back_inserter(progress),
                 [](const std::string& call) { return call.starts_with("progress "); });
    CHECK(progress == CallLog{"progress 10", "progress 18", "progress 30", "progress 35",
                              "progress 49", "progress 70", "progress 75", "progress 86",
                              "progress 91", "progress 100"});
    CHECK(run.log.back() == "page 3");
  }
}

TEST_CASE("install reads the folder text again before each step") {
  Run run("C:\\Program Files");
  run.services.afterCall = [&](const std::string& call) {
    if (call == "dir C:\\Program Files\\Tavrin\\pz") run.host.folder = "E:\\Other";
    if (call.starts_with("link C:\\users\\tester\\Desktop")) run.host.folder = "F:";
  };
  CHECK(run.Install());
  CHECK(Contains(run.log, "dir E:\\Other\\Tavrin\\pz\\cxpz"));
  CHECK(Contains(run.log, "write E:\\Other\\Tavrin\\pz\\exe\\narvel.exe (3 bytes)"));
  CHECK(Contains(run.log, "link C:\\users\\tester\\Desktop\\Tavrin -> E:\\Other\\Tavrin\\Tavrin.exe"));
  CHECK(Contains(run.log, "link C:\\users\\tester\\Start Menu\\Tavrin\\Tavrin -> F:\\Tavrin\\Tavrin.exe"));
}

TEST_CASE("install without a folder asks for one and touches nothing") {
  for (const std::string base : {"", "\\"}) {
    CAPTURE(base);
    Run run(base);
    CHECK_FALSE(run.Install());
    CHECK(run.log == CallLog{"message 提示: 请先浏览正确安装地址！"});
  }
}

TEST_CASE("install stops at the first failing step and names the path and the reason") {
  const std::string reason = "\r\n" + runtime::DescribeError(test::RecordingServices::kFailure);
  struct Case {
    std::string failingCall;
    std::string message;
  };
  const Case cases[] = {
      {"dir C:\\Program Files\\Tavrin\\pz",
       "安装失败：无法创建文件夹\r\nC:\\Program Files\\Tavrin\\pz" + reason},
      {"write C:\\Program Files\\Tavrin\\pz\\exe\\pelgar.exe (4 bytes)",
       "安装失败：无法写入文件\r\nC:\\Program Files\\Tavrin\\pz\\exe\\pelgar.exe" + reason},
      {"desktop folder", "安装失败：无法找到系统文件夹\r\n桌面"},
      {"link C:\\users\\tester\\Desktop\\Tavrin -> C:\\Program Files\\Tavrin\\Tavrin.exe",
       "安装失败：无法创建快捷方式\r\nC:\\users\\tester\\Desktop\\Tavrin" + reason},
      {"start menu folder", "安装失败：无法找到系统文件夹\r\n开始菜单"},
      {"dir C:\\users\\tester\\Start Menu\\\\Tavrin",
       "安装失败：无法创建文件夹\r\nC:\\users\\tester\\Start Menu\\\\Tavrin" + reason},
      {"link C:\\users\\tester\\Start Menu\\Tavrin\\Tavrin -> C:\\Program Files\\Tavrin\\Tavrin.exe",
       "安装失败：无法创建快捷方式\r\nC:\\users\\tester\\Start Menu\\Tavrin\\Tavrin" + reason},
  };
  for (const Case& c : cases) {
    CAPTURE(c.failingCall);
    Run run("C:\\Program Files");
    run.services.failingCall = c.failingCall;
    CHECK_FALSE(run.Install());

    // Everything up to the failing call as in a complete run, then the
    // message and nothing more: no further step, no progress, no page change.
    CallLog expected(kDefaultRun.begin(),
                     std::find(kDefaultRun.begin(), kDefaultRun.end(), c.failingCall) + 1);
    expected.push_back("message 提示: " + c.message);
    CHECK(run.log == expected);
  }
}
