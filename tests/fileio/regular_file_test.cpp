#include "fileio/regular_file.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_folder.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

struct TOpenCase {
  std::string Name;
  bool Opens;
  int Error;  // ENOENT or ENOTDIR: missing; EISDIR: a folder; 0 when not opened: not a regular file
  const char* DetailPart;
};

TEST(RegularFile, OnlyRegularFilesOpenAndNothingBlocks) {
  test::TTempFolder folder;
  std::ofstream(folder / "drawing.mrl") << "MIREL";
  std::ofstream(folder / "name-\xff\xfe.mrl") << "bytes";  // not UTF-8
  fs::create_directory(folder / "folder.mrl");
  ASSERT_EQ(::mkfifo((folder / "fifo.mrl").c_str(), 0600), 0);  // opening it for reading would wait for a writer
  fs::create_symlink("fifo.mrl", folder / "link-to-fifo.mrl");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = (folder / "socket.mrl").string();
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  const TOpenCase cases[] = {
      {"drawing.mrl", true, 0, ""},
      {"name-\xff\xfe.mrl", true, 0, ""},
      {"missing.mrl", false, ENOENT, "No such file"},
      {"drawing.mrl/inside", false, ENOTDIR, "Not a directory"},
      {"folder.mrl", false, EISDIR, "a folder"},
      {"fifo.mrl", false, 0, "a FIFO"},
      {"link-to-fifo.mrl", false, 0, "a FIFO"},
      {"socket.mrl", false, 0, "a socket"},
  };
  for (const TOpenCase& c : cases) {
    const TResult<TFilePtr> opened = OpenRegularFile(folder / c.Name);
    EXPECT_EQ(opened.Error, c.Error) << c.Name << ": " << opened.Detail;
    EXPECT_EQ(opened.Ok, c.Opens) << c.Name;
    EXPECT_EQ(IsMissingOrFolder(opened), !c.Opens && c.Error != 0) << c.Name;
    EXPECT_EQ(IsNotRegularFile(opened), !c.Opens && c.Error == 0) << c.Name;
    EXPECT_NE(opened.Detail.find(c.DetailPart), std::string::npos) << opened.Detail;
  }
  const TResult<TFilePtr> device = OpenRegularFile("/dev/null");
  EXPECT_TRUE(IsNotRegularFile(device));
  EXPECT_NE(device.Detail.find("a character device"), std::string::npos);

  // What opens reads normally: blocking again, from the start.
  const TResult<TFilePtr> opened = OpenRegularFile(folder / "name-\xff\xfe.mrl");
  ASSERT_TRUE(opened.Ok);
  char text[8] = {};
  EXPECT_EQ(std::fread(text, 1, sizeof text, opened->get()), 5u);
  EXPECT_STREQ(text, "bytes");
  ::close(sock);
}

}  // namespace
}  // namespace mirel
