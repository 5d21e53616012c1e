#include <doctest.h>

#include "app/runtime/runtime_services.h"
#include "support/temp_folder.h"

namespace {

runtime::RuntimeServices& services = runtime::Win32Runtime();

std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return bytes;
}

}  // namespace

TEST_CASE("CreateDir makes one level and accepts an existing directory, not a file") {
  test::TempFolder temp;
  const std::string folder = temp / "安装";
  CHECK(services.CreateDir(folder).ok());
  CHECK(test::IsDirectory(folder));
  CHECK(services.CreateDir(folder).ok());
  // A doubled separator, as a browsed folder gives, names the same place.
  CHECK(services.CreateDir(folder + "\\\\pz").ok());
  CHECK(test::IsDirectory(folder + "\\pz"));

  CHECK(services.WriteFile(temp / "file", Pattern(1, 0)).ok());
  CHECK(services.CreateDir(temp / "file").error == ERROR_ALREADY_EXISTS);
  CHECK(services.CreateDir(temp / "missing\\child").error == ERROR_PATH_NOT_FOUND);
}

TEST_CASE("WriteFile creates and replaces a file with exactly the bytes given") {
  test::TempFolder temp;
  const std::string path = temp / "程序.exe";
  for (const auto& bytes : {Pattern(300000, 1), Pattern(10, 2), Pattern(0, 0)}) {
    CAPTURE(bytes.size());
    CHECK(services.WriteFile(path, bytes).ok());
    CHECK(test::ReadBytes(path) == bytes);
    // The temporary file it went through is gone.
    CHECK(temp.List() == std::vector<std::string>{"程序.exe"});
  }
}

TEST_CASE("WriteFile that fails keeps the old file and leaves no temporary file") {
  test::TempFolder temp;
  const std::string path = temp / "Tavrin.exe";
  const auto old = Pattern(100, 3);
  REQUIRE(services.WriteFile(path, old).ok());
  REQUIRE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

  CHECK(services.WriteFile(path, Pattern(50, 4)).error == ERROR_ACCESS_DENIED);
  CHECK(test::ReadBytes(path) == old);
  CHECK(temp.List() == std::vector<std::string>{"Tavrin.exe"});

  // A directory in the way makes the final move fail after the bytes were
  // written to the temporary file, which must go too.
  REQUIRE(services.CreateDir(temp / "folder").ok());
  CHECK_FALSE(services.WriteFile(temp / "folder", old).ok());
  CHECK(test::IsDirectory(temp / "folder"));

  CHECK_FALSE(services.WriteFile(temp / "missing\\Tavrin.exe", old).ok());
  CHECK(temp.List() == std::vector<std::string>{"Tavrin.exe", "folder"});
}

TEST_CASE("FileExists is true for files only") {
  test::TempFolder temp;
  REQUIRE(services.WriteFile(temp / "file", Pattern(1, 0)).ok());
  CHECK(services.FileExists(temp / "file"));
  CHECK_FALSE(services.FileExists(temp.path()));
  CHECK_FALSE(services.FileExists(temp / "missing"));
}
