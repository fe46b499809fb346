#include "test_printing.h"

#include "fake/recording_services.h"
#include "uninstall/probes.h"

using namespace bx;
using fake::System;

namespace {

const Text kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

void Register(const Text& program, const Text& path, bool fileExists = true) {
  System.defaultValues[kAppPaths + program] = fake::FakeValue{path, false};
  if (fileExists) System.files.insert(path);
}

void LiteInstalled() {
  System.commandLine = "bxwipe.exe \"C:\\Lite\\\"";
  System.files.insert("C:\\Lite\\bxlite.exe");
}

}  // namespace

TEST_CASE("probes") {
  fake::Reset();
  SUBCASE("nothing registered") {
    CHECK_FALSE(IsHomeSiteInstalled());
    CHECK_FALSE(IsColdFusionStudioInstalled());
  }
  SUBCASE("homesite45.exe registered with its file gone, homesite4.exe with its file: HomeSite") {
    Register("homesite45.exe", "C:\\HS45\\homesite45.exe", false);
    Register("homesite4.exe", "C:\\HS4\\homesite4.exe");
    CHECK(IsHomeSiteInstalled());
  }
  SUBCASE("cfstudio4.exe alone") {
    Register("cfstudio4.exe", "C:\\CF\\cfstudio4.exe");
    CHECK(IsColdFusionStudioInstalled());
    CHECK_FALSE(IsHomeSiteInstalled());
  }
  SUBCASE("a registered path is used exactly as stored") {
    System.files.insert("C:\\HS\\homesite45.exe");
    for (const Text stored : {"\"C:\\HS\\homesite45.exe\"", "%ProgramFiles%\\homesite45.exe", "", "C:\\HS\\*.exe"}) {
      CAPTURE(stored);
      System.defaultValues[kAppPaths + "homesite45.exe"] = fake::FakeValue{stored, false};
      CHECK_FALSE(IsAppRegistered("homesite45.exe"));
    }
  }
  SUBCASE("the full edition's file in the install folder counts unregistered") {
    LiteInstalled();
    System.files.insert("C:\\Lite\\belvarix.exe");
    CHECK(IsFullEditionInstalled());
  }
  SUBCASE("the full edition registered elsewhere with an existing file counts") {
    LiteInstalled();
    Register("belvarix.exe", "D:\\Belvarix\\belvarix.exe");
    CHECK(IsFullEditionInstalled());
    System.files.erase("D:\\Belvarix\\belvarix.exe");
    CHECK_FALSE(IsFullEditionInstalled());
  }
}

TEST_CASE("the warning's three wordings") {
  const Text tail =
      ", even when the full version of Belvarix is installed.\r\n\r\nRemoving Belvarix Lite will disable this "
      "feature.  Are you sure you want to uninstall it?";
  const Text head = "IMPORTANT!  Belvarix Lite is used when editing style sheets from within third-party editors";
  struct Case {
    bool homeSite, coldFusion;
    Text expected;
  };
  const Case cases[] = {
      {false, false, head + tail},
      {true, false, head + " such as Allaire HomeSite" + tail},
      {true, true, head + " such as Allaire HomeSite" + tail},
      {false, true, head + " such as Allaire ColdFusion Studio" + tail},
  };
  for (const Case& c : cases) {
    CAPTURE(c.homeSite);
    CAPTURE(c.coldFusion);
    fake::Reset();
    Run.HasHomeSite = c.homeSite;
    Run.HasColdFusionStudio = c.coldFusion;
    CHECK(ComposeConfirmation() == c.expected);
  }
}

TEST_CASE("confirmation: both companions found names HomeSite, asked with Yes/No and No the default") {
  fake::Reset();
  LiteInstalled();
  Register("homesite45.exe", "C:\\HS\\homesite45.exe");
  Register("cfstudio4.exe", "C:\\CF\\cfstudio4.exe");
  System.answers = {7};
  CHECK(fake::RunProgram() == 0);
  CHECK(Run.HasHomeSite);
  CHECK(Run.HasColdFusionStudio);
  CHECK_FALSE(Run.FullEditionPresent);
  REQUIRE(System.actions.size() == 1);
  CHECK(System.actions[0].rfind("Box 0x134 IMPORTANT!  ", 0) == 0);
  CHECK(System.actions[0].find("such as Allaire HomeSite, even") != Text::npos);
}

TEST_CASE("confirmation: every answer but Yes ends the run with nothing done") {
  for (int answer : {0, 1, 2, 7}) {  // box failed, OK, Cancel (closed), No
    CAPTURE(answer);
    fake::Reset();
    LiteInstalled();
    System.answers = {answer};
    CHECK(fake::RunProgram() == 0);
    CHECK(System.actions.size() == 1);
  }
}

TEST_CASE("confirmation: a non-string App Paths value stops the run with exit status 1 before any change") {
  fake::Reset();
  LiteInstalled();
  System.defaultValues[kAppPaths + "homesite45.exe"] = fake::FakeValue{"", true};
  CHECK(fake::RunProgram() == 1);
  CHECK(System.actions == std::vector<Text>{"Box 0x10 Invalid data type for ''"});
}
