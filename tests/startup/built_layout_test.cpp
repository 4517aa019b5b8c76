#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/user_interaction.h"
#include "platform/testing/modal_box_simulation.h"
#include "support/corvane_session.h"
#include "support/scratch_folder.h"
#include "support/snapshot.h"

namespace {

using testing_support::CorvaneSession;

// Set in the copy of this program that the test runs from the built layout.
constexpr char kRunningInBuiltLayout[] = "CORVANE_TEST_IN_BUILT_LAYOUT";

// Runs the current test again in a copy of this program standing where the build puts Corvane's:
// <bundle>/bin/<program> beside <bundle>/Resources, which holds the built pictures. Returns the
// copy's exit status and what it wrote.
std::pair<int, std::string> RunCurrentTestFromTheBuiltLayout() {
  namespace fs = std::filesystem;
  testing_support::ScratchFolder scratch;
  const fs::path bundle = scratch.Path() / "Corvane";
  const fs::path program = bundle / "bin" / "corvane-tests";
  fs::create_directories(program.parent_path());
  fs::create_directory_symlink(CORVANE_BUNDLE_RESOURCES, bundle / "Resources");
  fs::copy_file("/proc/self/exe", program);
  fs::permissions(program, fs::perms::owner_all, fs::perm_options::add);

  const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
  const std::string command = "'" + program.string() +
                              "' --gtest_filter=" + test.test_suite_name() + "." + test.name() +
                              " 2>&1";
  setenv(kRunningInBuiltLayout, "1", 1);
  FILE* copy = popen(command.c_str(), "r");
  unsetenv(kRunningInBuiltLayout);
  if (!copy) return {-1, "the copy could not be started"};
  std::string output;
  char buffer[4096];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, copy)) > 0;) {
    output.append(buffer, read);
  }
  return {pclose(copy), output};
}

using BuiltLayoutTest = CorvaneSession;

// Every other test hands the framework a bundle folder of its own. Here nothing does: run from
// the layout the build makes, the program finds its pictures two folders up from its own file,
// and its boxes carry the bundle's name.
TEST_F(BuiltLayoutTest, RunFromTheBuiltLayoutTheProgramFindsItsPicturesAndNamesItsBoxes) {
  if (!std::getenv(kRunningInBuiltLayout)) {
    auto [status, output] = RunCurrentTestFromTheBuiltLayout();
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
    return;
  }
  platform::SetApplicationBundleResourcesForTests("");
  std::shared_ptr<platform::Picture> splash;
  testing_support::InstallSteppingTicks(kStartTicks, 60, [&] {
    if (!splash && Shown(OpenAboutBox())) splash = platform::CaptureWindowContent(OpenAboutBox());
  });
  StartUp();
  EXPECT_TRUE(testing_support::MatchesSnapshot(splash, "about"));
  platform::TypeText(Window()->NVarsFld(), "20");
  platform::PasteText(Window()->EigenFld(), testing_support::kWorkedExample);
  EXPECT_TRUE(testing_support::MatchesSnapshot(platform::CaptureWindowContent(Window()), "main"));

  platform::SetUserInteraction(nullptr);  // the desktop's own boxes
  std::optional<platform::ModalBoxView> box;
  auto answer = platform::RunFromEventLoop([&] {
    box = platform::FrontModalBox();
    platform::PressModalBoxButton("OK");
  });
  PressGraph();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Corvane must be calculated before graph can be displayed.");
  EXPECT_EQ(box->title, "Corvane");
}

}  // namespace
