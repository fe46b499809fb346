#include "test_printing.h"

#include "fake/recording_services.h"
#include "services/win_values.h"

using namespace bx;
using fake::System;
using Actions = std::vector<Text>;

namespace {

const Text kDesktop = "C:\\Users\\u\\Desktop";
const Text kCommonPrograms = "C:\\ProgramData\\Start Menu\\Programs";
const Text kUserPrograms = "C:\\Users\\u\\Start Menu\\Programs";

const Actions kKeys = {
    "DeleteRegistryKey Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Belvarix Lite (Version 1.5)",
    "DeleteRegistryKey SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\bxlite.exe",
};

// I = C:\Lite\, H = C:\Lite\Help\, G = the common group, D = the desktop.
const Actions kFirstTier = {
    "DeleteFileIfExists C:\\Lite\\BXLite.exe",
    "DeleteFileIfExists C:\\Users\\u\\Desktop\\Belvarix Lite.lnk",
    "DeleteFileIfExists C:\\ProgramData\\Start Menu\\Programs\\Belvarix 1.5\\Belvarix Lite.lnk",
    "DeleteFileIfExists C:\\ProgramData\\Start Menu\\Programs\\Belvarix 1.5\\Purchase Belvarix.lnk",
    "PurgeFolder C:\\Lite\\Help\\Belvarix Lite",
    "DeleteFileIfExists C:\\Lite\\Help\\keywords.bvx",
    "DeleteFileIfExists C:\\Lite\\Help\\titles.bvx",
    "DeleteFileIfExists C:\\Lite\\backup\\bxwipe.exe",
    "DeleteFileIfExists C:\\Lite\\backup\\Belvarix Lite.lnk",
    "RemoveFolder C:\\Lite\\backup",
};

const Actions kSharedTier = {
    "RemoveFolder C:\\ProgramData\\Start Menu\\Programs\\Belvarix 1.5\\",
    "DeleteFileIfExists C:\\Lite\\BXHelp.exe",
    "DeleteFileIfExists C:\\Lite\\Purchase Belvarix.url",
    "DeleteFileIfExists C:\\Lite\\CSSDefs\\Opera 3.5.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\Netscape 4.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\Internet Explorer 5.5.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\Internet Explorer 5.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\Internet Explorer 4.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\Internet Explorer 3.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\CSS Level 2.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\CSS Level 1.def",
    "DeleteFileIfExists C:\\Lite\\cssdefs\\property.dat",
    "RemoveFolder C:\\Lite\\cssdefs",
    "PurgeFolder C:\\Lite\\Help\\images",
    "PurgeFolder C:\\Lite\\Help\\CSS Basics",
    "PurgeFolder C:\\Lite\\Help\\HomeSite Integration",
    "PurgeFolder C:\\Lite\\Help\\",
    "DeleteFileIfExists C:\\Lite\\user\\templates\\sample.css",
    "DeleteFileIfExists C:\\Lite\\user\\templates\\sample2.css",
    "DeleteFileIfExists C:\\Lite\\user\\templates\\ocean.css",
    "DeleteFileIfExists C:\\Lite\\user\\templates\\charcoal.css",
    "DeleteFileIfExists C:\\Lite\\user\\templates\\headline.css",
    "RemoveFolder C:\\Lite\\user\\templates",
    "DeleteFileIfExists C:\\Lite\\user\\elements.dat",
    "DeleteFileIfExists C:\\Lite\\user\\pseudocl.dat",
    "DeleteFileIfExists C:\\Lite\\user\\pseudoel.dat",
    "DeleteFileIfExists C:\\Lite\\user\\fontgrp.dat",
    "RemoveFolder C:\\Lite\\user",
};

const Text kQuestionPrefix = "Box 0x134 ";

void LiteInstalledAt(const Text& folder) {
  fake::Reset();
  System.commandLine = "bxwipe.exe \"" + folder + "\"";
  System.files.insert(folder + (folder.back() == '\\' ? "" : "\\") + "bxlite.exe");
  System.specialFolders = {{kCsidlDesktop, kDesktop}, {kCsidlPrograms, kUserPrograms},
                           {kCsidlCommonPrograms, kCommonPrograms + "\\"}};
  System.answers = {kIdYes};
}

Actions Join(std::initializer_list<Actions> parts) {
  Actions all;
  for (const Actions& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The actions after the question, i.e. everything the Yes caused.
Actions AfterQuestion() {
  REQUIRE(!System.actions.empty());
  REQUIRE(System.actions[0].rfind(kQuestionPrefix, 0) == 0);
  return Actions(System.actions.begin() + 1, System.actions.end());
}

const Actions kNotify = {"NotifyFolderChanged C:\\Users\\u\\Desktop\\",
                         "NotifyFolderChanged C:\\ProgramData\\Start Menu\\Programs\\"};

}  // namespace

TEST_CASE("removal: full edition absent runs both tiers in order, then removes the folder and reports") {
  LiteInstalledAt("C:\\Lite");
  CHECK(fake::RunProgram() == 0);
  CHECK(AfterQuestion() == Join({kKeys, kFirstTier, kSharedTier, kNotify,
                                 {"RemoveFolder C:\\Lite\\", "Box 0x40 Belvarix Lite has been uninstalled."}}));
}

TEST_CASE("removal: full edition present runs the first tier only and neither removes nor names the folder") {
  for (bool inFolder : {true, false}) {
    CAPTURE(inFolder);
    LiteInstalledAt("C:\\Lite\\");
    if (inFolder) {
      System.files.insert("C:\\Lite\\belvarix.exe");
    } else {
      System.defaultValues["SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\belvarix.exe"] = {"D:\\B\\belvarix.exe"};
      System.files.insert("D:\\B\\belvarix.exe");
    }
    System.foldersThatStay = {"C:\\Lite\\"};
    CHECK(fake::RunProgram() == 0);
    CHECK(AfterQuestion() == Join({kKeys, kFirstTier, kNotify, {"Box 0x40 Belvarix Lite has been uninstalled."}}));
  }
}

TEST_CASE("removal: a folder left behind is named without its trailing backslash") {
  LiteInstalledAt("C:\\Lite\\");
  System.foldersThatStay = {"C:\\Lite\\"};
  CHECK(fake::RunProgram() == 0);
  CHECK(System.actions.back() ==
        "Box 0x40 Belvarix Lite has been uninstalled.  However, some files will need to be manually removed from "
        "\"C:\\Lite\"");
}

TEST_CASE("removal: the project-folder guard stops after the two keys") {
  for (const char* folder : {"F:\\Projects\\Lite\\", "f:\\projects\\lite", "F:\\PROJECTS", "F:\\ProjectsOld\\",
                             "C:\\mnt\\f:\\projects\\x"}) {
    const Text folder_ = folder; CAPTURE(folder_);
    LiteInstalledAt(folder);
    CHECK(fake::RunProgram() == 0);
    CHECK(AfterQuestion() == Join({kKeys, {"Box 0x40 CANT RUN IN PROJECT FOLDER"}}));
  }
  for (const char* folder : {"F:\\Project\\Lite", "E:\\Projects\\Lite", "F:\\My Projects\\Lite"}) {
    const Text folder_ = folder; CAPTURE(folder_);
    LiteInstalledAt(folder);
    CHECK(fake::RunProgram() == 0);
    CHECK(System.actions.back() == "Box 0x40 Belvarix Lite has been uninstalled.");
  }
}

TEST_CASE("removal: the Windows family picks the program group") {
  for (bool nt : {true, false}) {
    CAPTURE(nt);
    LiteInstalledAt("C:\\Lite");
    System.windowsNT = nt;
    CHECK(fake::RunProgram() == 0);
    CHECK(Run.ProgramGroupDir == (nt ? kCommonPrograms : kUserPrograms) + "\\Belvarix 1.5\\");
  }
}

TEST_CASE("removal: a failed special-folder lookup skips exactly the steps on that folder") {
  struct Case {
    const char* name;
    std::vector<int> missing;
    std::vector<Text> skipped;  // substrings of the actions that must not run
    std::size_t actions;        // of 44 when nothing fails
  };
  const Case cases[] = {
      {"desktop", {kCsidlDesktop}, {"Desktop"}, 42},
      {"programs", {kCsidlCommonPrograms}, {"Start Menu"}, 40},
      {"both", {kCsidlDesktop, kCsidlCommonPrograms}, {"Desktop", "Start Menu"}, 38},
  };
  for (const Case& c : cases) {
    const Text name_ = c.name; CAPTURE(name_);
    LiteInstalledAt("C:\\Lite");
    for (int csidl : c.missing) System.specialFolders.erase(csidl);
    CHECK(fake::RunProgram() == 0);
    Actions expected;
    for (const Text& action : Join({kKeys, kFirstTier, kSharedTier, kNotify, {"RemoveFolder C:\\Lite\\"}})) {
      bool skip = false;
      for (const Text& s : c.skipped) skip = skip || action.find(s) != Text::npos;
      if (!skip) expected.push_back(action);
    }
    expected.push_back("Box 0x40 Belvarix Lite has been uninstalled.");
    CHECK(AfterQuestion() == expected);
    CHECK(expected.size() == c.actions);
  }
}

TEST_CASE("removal: in code page 932 a folder ending in a 0x5C trail byte gets its own backslash") {
  const Text folder = "C:\\\x95\x5C";  // the folder named by one character
  fake::Reset();
  System.codePage = 932;
  System.commandLine = "bxwipe.exe \"" + folder + "\"";
  System.files = {folder + "\\bxlite.exe"};
  System.specialFolders = {{kCsidlDesktop, "C:\\\x83\x5C"}, {kCsidlCommonPrograms, "C:\\\x94\x5C"}};
  System.foldersThatStay = {folder + "\\"};
  System.answers = {kIdYes};
  CHECK(fake::RunProgram() == 0);
  CHECK(fake::ActionsStartingWith("DeleteFileIfExists C:\\\x95\x5C\\BXLite.exe").size() == 1);
  CHECK(fake::ActionsStartingWith("DeleteFileIfExists C:\\\x83\x5C\\Belvarix Lite.lnk").size() == 1);
  CHECK(fake::ActionsStartingWith("RemoveFolder C:\\\x94\x5C\\Belvarix 1.5\\").size() == 1);
  CHECK(fake::ActionsStartingWith("PurgeFolder C:\\\x95\x5C\\Help\\images").size() == 1);
  CHECK(System.actions.back() ==
        "Box 0x40 Belvarix Lite has been uninstalled.  However, some files will need to be manually removed from \"" +
            folder + "\"");
}
