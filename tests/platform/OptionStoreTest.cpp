#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/OptionStore.h"

namespace kel {
namespace {

TEST(OptionStoreTest, EmptyStoreHoldsNothing) {
  const MemoryOptionStore store;
  EXPECT_FALSE(store.ReadString(u"DefaultCanvas"));
  EXPECT_FALSE(store.ReadInteger(u"DefaultPalette"));
}

TEST(OptionStoreTest, ParsesNameValueLines) {
  const auto store =
      ParseOptionStore("DefaultCanvas = TKelCanvas3D\r\nnot an option\nDefaultPalette=7\nEmpty=\n");
  EXPECT_EQ(store->ReadString(u"DefaultCanvas"), u"TKelCanvas3D");
  EXPECT_EQ(store->ReadInteger(u"DefaultPalette"), 7);
  EXPECT_EQ(store->ReadString(u"Empty"), u"");
  EXPECT_FALSE(store->ReadString(u"defaultcanvas"));
  EXPECT_FALSE(store->ReadString(u"not an option"));
}

TEST(OptionStoreTest, ReadIntegerRejectsNonNumbers) {
  const MemoryOptionStore store(
      {{u"A", u"12x"}, {u"B", u""}, {u"C", u"-3"}, {u"D", u"99999999999"}});
  EXPECT_FALSE(store.ReadInteger(u"A"));
  EXPECT_FALSE(store.ReadInteger(u"B"));
  EXPECT_EQ(store.ReadInteger(u"C"), -3);
  EXPECT_FALSE(store.ReadInteger(u"D"));
}

TEST(OptionStoreTest, UserStoreIsReadFromConfigFolder) {
  namespace fs = std::filesystem;
  const fs::path config = fs::temp_directory_path() / ("kel-options-" + std::to_string(getpid()));
  fs::create_directories(config / "kelchart");
  std::ofstream(config / "kelchart" / "options") << "DefaultPalette=4\n";
  const char* previous = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = previous ? previous : "";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  EXPECT_EQ(LoadUserOptionStore()->ReadInteger(u"DefaultPalette"), 4);
  fs::remove_all(config);
  EXPECT_FALSE(LoadUserOptionStore()->ReadInteger(u"DefaultPalette"));
  if (previous) {
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

TEST(OptionStoreTest, ProcessStoreStartsEmptyAndCanBeReplaced) {
  EXPECT_FALSE(UserOptions().ReadString(u"DefaultCanvas"));
  SetUserOptions(ParseOptionStore("DefaultCanvas=X\n"));
  EXPECT_EQ(UserOptions().ReadString(u"DefaultCanvas"), u"X");
  SetUserOptions(nullptr);
  EXPECT_FALSE(UserOptions().ReadString(u"DefaultCanvas"));
}

}  // namespace
}  // namespace kel
