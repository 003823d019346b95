// Pictures that are huge, or claim to be, load within a few canvases of
// memory or are refused; running out of memory is a load error like any
// other. Each case runs in a child process with a bounded address space.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include "crafted_pictures.h"
#include "export/background_picture.h"
#include "memory_budget.h"
#include "picture_fixtures.h"
#include "render/gui_environment.h"

#if defined(__SANITIZE_ADDRESS__)
// Let a failed allocation return null, as the C library does, instead of
// ending the test program.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
#endif

namespace mirel {
namespace {

using test::TBytes;

constexpr std::size_t kMiB = 1024 * 1024;
// A canvas is 1.2 MiB; the decoders' buffers, the file's and the sanitizer's
// bookkeeping come on top.
constexpr std::size_t kBudget = 40 * kMiB;

// A file of `size` bytes that takes no disk space except where `parts` say.
void WriteSparse(const std::string& path, off_t size, const std::vector<std::pair<off_t, TBytes>>& parts) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  for (const auto& [at, bytes] : parts) {
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), at), static_cast<ssize_t>(bytes.size()));
  }
  ::close(fd);
}

// The headers of an uncompressed 24-bit bitmap of any claimed size.
TBytes BmpHeaders(std::int32_t width, std::int32_t height) {
  test::TBmpRecipe recipe;
  recipe.Width = width;
  recipe.Height = height;
  return test::MakeBmp(recipe);
}

struct TCase {
  std::string Name;
  test::TLoadKind Kind;
  QSize FullSize;
};

class BackgroundMemory : public test::TPictureFolderTest {
 protected:
  // Loads every case in one bounded child; 0 when each turned out as
  // expected, otherwise 1 + the index of the first that did not.
  int LoadAllWithin(std::size_t budget, const std::vector<TCase>& cases) {
    return test::RunWithAddressSpaceBudget(budget, [&] {
      for (std::size_t i = 0; i < cases.size(); ++i) {
        const test::TLoadKind kind = test::KindOf(Background.LoadPath(PathOf(cases[i].Name)));
        if (kind != cases[i].Kind) return static_cast<int>(i) + 1;
        if (kind == test::TLoadKind::Loaded &&
            (Background.PictureSize() != cases[i].FullSize ||
             Background.Picture().size() != cases[i].FullSize.boundedTo(QSize(640, 480)))) {
          return static_cast<int>(i) + 1;
        }
      }
      return 0;
    });
  }

  TBackgroundPicture Background;
};

TEST_F(BackgroundMemory, HugePicturesAndHugeClaimsStayWithinAFewCanvases) {
  test::TJpegRecipe recipe;
  recipe.Picture = test::Quarters(64, 48);
  WriteBytes("claims.jpg", test::WithJpegSize(test::MakeJpeg(recipe), 16384, 16384));
  recipe.Progressive = true;
  WriteBytes("claims-progressive.jpg", test::WithJpegSize(test::MakeJpeg(recipe), 16384, 16384));
  recipe.Progressive = false;
  recipe.Picture = test::Quarters(6000, 500);
  WriteBytes("wide.jpg", test::MakeJpeg(recipe));
  // Gigabytes with a JPEG's first marker and nothing after it.
  WriteSparse(PathOf("huge.jpg"), 3LL << 30, {{0, {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10}}});
  // A photograph-sized bitmap, bottom-up: its top rows are the file's last.
  constexpr int kRowBytes = 8000 * 3;
  TBytes topRows(static_cast<std::size_t>(kRowBytes) * 480, 0);
  for (int row = 0; row < 480; ++row) {
    for (int x = 0; x < 640; ++x) topRows[row * kRowBytes + x * 3 + 2] = static_cast<unsigned char>(row / 2);  // red
  }
  const TBytes photoHeaders = BmpHeaders(8000, 6000);
  WriteSparse(PathOf("photo.bmp"), static_cast<off_t>(photoHeaders.size()) + 8000LL * 3 * 6000,
              {{0, photoHeaders}, {static_cast<off_t>(photoHeaders.size()) + 5520LL * kRowBytes, topRows}});
  // Tens of thousands of pixels a side, top-down, honestly as long as it says.
  const TBytes vastHeaders = BmpHeaders(40000, -30000);
  WriteSparse(PathOf("vast.bmp"), static_cast<off_t>(vastHeaders.size()) + 120000LL * 30000, {{0, vastHeaders}});

  const std::vector<TCase> cases = {
      {"claims.jpg", test::TLoadKind::Loaded, QSize(16384, 16384)},
      {"claims-progressive.jpg", test::TLoadKind::TooLarge, {}},
      {"wide.jpg", test::TLoadKind::Loaded, QSize(6000, 500)},
      {"huge.jpg", test::TLoadKind::Undecodable, {}},
      {"photo.bmp", test::TLoadKind::Loaded, QSize(8000, 6000)},
      {"vast.bmp", test::TLoadKind::Loaded, QSize(40000, 30000)},
  };
  EXPECT_EQ(LoadAllWithin(kBudget, cases), 0);

  // And the pixels are the right ones.
  ASSERT_EQ(test::KindOf(Background.LoadPath(PathOf("photo.bmp"))), test::TLoadKind::Loaded);
  EXPECT_EQ(Background.Picture().pixel(0, 0), qRgb(239, 0, 0));  // the file's last row
  EXPECT_EQ(Background.Picture().pixel(639, 479), qRgb(0, 0, 0));
  ASSERT_EQ(test::KindOf(Background.LoadPath(PathOf("wide.jpg"))), test::TLoadKind::Loaded);
  EXPECT_TRUE(test::Near(Background.Picture().pixel(639, 0), qRgb(255, 0, 0)));
  EXPECT_TRUE(test::Near(Background.Picture().pixel(639, 479), qRgb(255, 255, 0)));
}

TEST_F(BackgroundMemory, RunningOutOfMemoryIsALoadErrorThatKeepsThePicture) {
  WriteBmp("known.bmp", test::Quarters(64, 48));
  ASSERT_TRUE(Background.LoadBackground("known.bmp"));
  const QImage known = Background.Picture();
  WriteBmp("canvas.bmp", test::Quarters(640, 480));
  test::TJpegRecipe recipe;
  recipe.Picture = test::Quarters(640, 480);
  WriteBytes("canvas.jpg", test::MakeJpeg(recipe));

  // Less than one canvas to spare.
  const int status = test::RunWithAddressSpaceBudget(kMiB / 2, [&] {
    for (const char* name : {"canvas.bmp", "canvas.jpg"}) {
      const TResult<bool> result = Background.Load(name);
      if (test::KindOf(result) != test::TLoadKind::TooLarge || result.Message.empty()) return 1;
      if (Background.Picture() != known) return 2;
    }
    return 0;
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace mirel
