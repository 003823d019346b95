// Writes the background decoder's seed corpus: small honest pictures of
// every kind the decoder reads, made on the spot rather than kept in the
// repository. Usage: mirel_make_picture_seeds DIR
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

#include "export/crafted_pictures.h"

namespace {

using mirel::test::TBytes;

bool Save(const std::string& path, const TBytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  using mirel::test::TBmpLayoutKind;
  int written = 0;
  const std::pair<TBmpLayoutKind, int> layouts[] = {
      {TBmpLayoutKind::Mono1, 2},   {TBmpLayoutKind::Indexed4, 16}, {TBmpLayoutKind::Indexed8, 40},
      {TBmpLayoutKind::Rgb555, 8},  {TBmpLayoutKind::Rgb565, 8},    {TBmpLayoutKind::Rgb24, 40},
      {TBmpLayoutKind::Rgb32, 40},  {TBmpLayoutKind::Bgr32Masks, 8}};
  for (const auto& [layout, colours] : layouts) {
    for (const bool topDown : {false, true}) {
      const QImage picture = mirel::test::PatternPicture(9, 5, colours);
      const std::string name = dir + "/bmp-" + std::to_string(static_cast<int>(layout)) + (topDown ? "-down" : "-up");
      written += Save(name + ".bmp", mirel::test::EncodeBmpAs(picture, layout, topDown));
      if (layout == TBmpLayoutKind::Rgb565 || layout == TBmpLayoutKind::Bgr32Masks) {
        written += Save(name + "-v5.bmp", mirel::test::EncodeBmpAs(picture, layout, topDown, 124));
      }
    }
  }
  written += Save(dir + "/bmp-core.bmp", mirel::test::EncodeBmpAs(mirel::test::PatternPicture(9, 5, 16),
                                                                   TBmpLayoutKind::Indexed8, false, 12));
  mirel::test::TBmpRecipe rle;
  rle.Width = 6;
  rle.Height = 3;
  rle.BitCount = 8;
  rle.Compression = 1;
  rle.Palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  rle.Pixels = {3, 1, 0, 3, 2, 3, 0, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1};
  written += Save(dir + "/bmp-rle8.bmp", mirel::test::MakeBmp(rle));
  rle.BitCount = 4;
  rle.Compression = 2;
  rle.Pixels = {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 2, 1, 1, 2, 0x33, 0, 1};
  written += Save(dir + "/bmp-rle4.bmp", mirel::test::MakeBmp(rle));

  const std::pair<J_COLOR_SPACE, bool> spaces[] = {
      {JCS_YCbCr, false}, {JCS_RGB, false}, {JCS_GRAYSCALE, false}, {JCS_CMYK, true}, {JCS_CMYK, false}, {JCS_YCCK, true}};
  for (const auto& [space, adobe] : spaces) {
    for (const bool progressive : {false, true}) {
      mirel::test::TJpegRecipe recipe;
      recipe.Picture = mirel::test::PatternPicture(24, 17, 8);
      recipe.Space = space;
      recipe.AdobeMarker = adobe;
      recipe.Progressive = progressive;
      recipe.Quality = 50;
      written += Save(dir + "/jpeg-" + std::to_string(static_cast<int>(space)) + (adobe ? "-adobe" : "") +
                          (progressive ? "-progressive" : "") + ".jpg",
                      mirel::test::MakeJpeg(recipe));
    }
  }
  std::printf("%d seed pictures in %s\n", written, dir.c_str());
  return 0;
}
