#include "crafted_pictures.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <map>

#include "export/jpeg_error_manager.h"

namespace mirel::test {
namespace {

void Put16(TBytes& out, std::uint32_t v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(TBytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t Pack(QRgb c, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  const auto scale = [](int value, std::uint32_t mask) {
    const int shift = std::countr_zero(mask);
    return (static_cast<std::uint32_t>(value) * (mask >> shift) / 255) << shift;
  };
  return scale(qRed(c), r) | scale(qGreen(c), g) | scale(qBlue(c), b);
}

}  // namespace

TBytes MakeBmp(const TBmpRecipe& recipe) {
  const bool core = recipe.InfoSize == 12;
  const std::size_t paletteBytes = recipe.Palette.size() * (core ? 3 : 4);
  const std::size_t masksAfter = recipe.InfoSize == 40 ? recipe.Masks.size() * 4 : 0;
  const auto offset = static_cast<std::uint32_t>(14 + recipe.InfoSize + masksAfter + paletteBytes);
  TBytes out{'B', 'M'};
  Put32(out, static_cast<std::uint32_t>(offset + recipe.Pixels.size()));
  Put32(out, 0);
  Put32(out, recipe.PixelOffset.value_or(offset));
  Put32(out, recipe.InfoSize);
  if (core) {
    Put16(out, static_cast<std::uint32_t>(recipe.Width));
    Put16(out, static_cast<std::uint32_t>(recipe.Height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(recipe.BitCount));
  } else {
    Put32(out, static_cast<std::uint32_t>(recipe.Width));
    Put32(out, static_cast<std::uint32_t>(recipe.Height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(recipe.BitCount));
    Put32(out, recipe.Compression);
    Put32(out, static_cast<std::uint32_t>(recipe.Pixels.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, recipe.ColorsUsed);
    Put32(out, 0);
    // The longer headers hold the masks, then fields this reader ignores.
    for (std::size_t at = 40; at < recipe.InfoSize; at += 4) {
      const std::size_t mask = (at - 40) / 4;
      Put32(out, mask < recipe.Masks.size() ? recipe.Masks[mask] : 0);
    }
    if (recipe.InfoSize == 40) {
      for (const std::uint32_t mask : recipe.Masks) Put32(out, mask);
    }
  }
  for (const QRgb c : recipe.Palette) {
    out.push_back(static_cast<unsigned char>(qBlue(c)));
    out.push_back(static_cast<unsigned char>(qGreen(c)));
    out.push_back(static_cast<unsigned char>(qRed(c)));
    if (!core) out.push_back(0);
  }
  out.insert(out.end(), recipe.Pixels.begin(), recipe.Pixels.end());
  return out;
}

QRgb PatternColour(int x, int y, int colours) {
  // Eight corners of the colour cube first, then colours of any value.
  static const QRgb kCorners[8] = {qRgb(0, 0, 0),     qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(0, 0, 255),
                                   qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 255)};
  const int i = (x / 3 + (y / 2) * 5) % colours;
  if (i < 8) return kCorners[i];
  return qRgb(i * 37 % 256, i * 91 % 256, i * 53 % 256);
}

QImage PatternPicture(int width, int height, int colours) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, PatternColour(x, y, colours));
  }
  return picture;
}

TBytes EncodeBmpAs(const QImage& picture, TBmpLayoutKind layout, bool topDown, std::uint32_t infoSize) {
  TBmpRecipe recipe;
  recipe.InfoSize = infoSize;
  recipe.Width = picture.width();
  recipe.Height = topDown ? -picture.height() : picture.height();
  int bits = 24;
  std::uint32_t masks[3] = {0, 0, 0};
  switch (layout) {
    case TBmpLayoutKind::Mono1: bits = 1; break;
    case TBmpLayoutKind::Indexed4: bits = 4; break;
    case TBmpLayoutKind::Indexed8: bits = 8; break;
    case TBmpLayoutKind::Rgb555: bits = 16; masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; break;
    case TBmpLayoutKind::Rgb565: bits = 16; masks[0] = 0xF800; masks[1] = 0x07E0; masks[2] = 0x001F; break;
    case TBmpLayoutKind::Rgb24: bits = 24; break;
    case TBmpLayoutKind::Rgb32: bits = 32; masks[0] = 0xFF0000; masks[1] = 0xFF00; masks[2] = 0xFF; break;
    case TBmpLayoutKind::Bgr32Masks: bits = 32; masks[0] = 0xFF00; masks[1] = 0xFF0000; masks[2] = 0xFF000000; break;
  }
  recipe.BitCount = bits;
  if (layout == TBmpLayoutKind::Rgb565 || layout == TBmpLayoutKind::Bgr32Masks) {
    recipe.Compression = 3;
    recipe.Masks = {masks[0], masks[1], masks[2]};
  }
  std::map<QRgb, int> index;
  if (bits <= 8) {
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb c = picture.pixel(x, y) | 0xFF000000;
        if (index.emplace(c, static_cast<int>(recipe.Palette.size())).second) recipe.Palette.push_back(c);
      }
    }
    // One more than used: the palette need not be full.
    recipe.Palette.push_back(qRgb(1, 2, 3));
  }
  const std::size_t stride = (static_cast<std::size_t>(picture.width()) * bits + 31) / 32 * 4;
  recipe.Pixels.assign(stride * picture.height(), 0);
  for (int row = 0; row < picture.height(); ++row) {
    const int y = topDown ? row : picture.height() - 1 - row;
    unsigned char* out = recipe.Pixels.data() + row * stride;
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb c = picture.pixel(x, y) | 0xFF000000;
      switch (bits) {
        case 1: out[x / 8] |= static_cast<unsigned char>(index[c] << (7 - x % 8)); break;
        case 4: out[x / 2] |= static_cast<unsigned char>(index[c] << (x % 2 == 0 ? 4 : 0)); break;
        case 8: out[x] = static_cast<unsigned char>(index[c]); break;
        case 16: {
          const std::uint32_t v = Pack(c, masks[0], masks[1], masks[2]);
          out[2 * x] = static_cast<unsigned char>(v);
          out[2 * x + 1] = static_cast<unsigned char>(v >> 8);
          break;
        }
        case 24:
          out[3 * x] = static_cast<unsigned char>(qBlue(c));
          out[3 * x + 1] = static_cast<unsigned char>(qGreen(c));
          out[3 * x + 2] = static_cast<unsigned char>(qRed(c));
          break;
        default: {
          const std::uint32_t v = Pack(c, masks[0], masks[1], masks[2]);
          for (int i = 0; i < 4; ++i) out[4 * x + i] = static_cast<unsigned char>(v >> (8 * i));
          break;
        }
      }
    }
  }
  return MakeBmp(recipe);
}

namespace {

bool Compress(jpeg_compress_struct* cinfo, TJpegErrorManager* err, const TJpegRecipe* recipe, TBytes* rows,
              unsigned char** data, unsigned long* size) {
  if (setjmp(err->Jump)) return false;
  jpeg_create_compress(cinfo);
  jpeg_mem_dest(cinfo, data, size);
  const bool inks = recipe->Space == JCS_CMYK || recipe->Space == JCS_YCCK;
  cinfo->image_width = static_cast<JDIMENSION>(recipe->Picture.width());
  cinfo->image_height = static_cast<JDIMENSION>(recipe->Picture.height());
  cinfo->input_components = inks ? 4 : recipe->Space == JCS_GRAYSCALE ? 1 : 3;
  cinfo->in_color_space = inks ? JCS_CMYK : recipe->Space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_colorspace(cinfo, recipe->Space);
  if (inks) cinfo->write_Adobe_marker = recipe->AdobeMarker ? TRUE : FALSE;
  jpeg_set_quality(cinfo, recipe->Quality, TRUE);
  if (recipe->Progressive) jpeg_simple_progression(cinfo);
  jpeg_start_compress(cinfo, TRUE);
  const std::size_t rowBytes = static_cast<std::size_t>(cinfo->image_width) * cinfo->input_components;
  while (cinfo->next_scanline < cinfo->image_height) {
    JSAMPROW row = rows->data() + cinfo->next_scanline * rowBytes;
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

}  // namespace

TBytes MakeJpeg(const TJpegRecipe& recipe) {
  const bool inks = recipe.Space == JCS_CMYK || recipe.Space == JCS_YCCK;
  TBytes rows;
  for (int y = 0; y < recipe.Picture.height(); ++y) {
    for (int x = 0; x < recipe.Picture.width(); ++x) {
      const QRgb c = recipe.Picture.pixel(x, y);
      if (recipe.Space == JCS_GRAYSCALE) {
        rows.push_back(static_cast<unsigned char>(qGray(c)));
      } else if (inks) {
        // The usual separation: black takes what all three share.
        const int k = 255 - std::max({qRed(c), qGreen(c), qBlue(c)});
        for (const int channel : {qRed(c), qGreen(c), qBlue(c)}) {
          const int ink = k == 255 ? 0 : (255 - channel - k) * 255 / (255 - k);
          rows.push_back(static_cast<unsigned char>(recipe.AdobeMarker ? 255 - ink : ink));
        }
        rows.push_back(static_cast<unsigned char>(recipe.AdobeMarker ? 255 - k : k));
      } else {
        rows.push_back(static_cast<unsigned char>(qRed(c)));
        rows.push_back(static_cast<unsigned char>(qGreen(c)));
        rows.push_back(static_cast<unsigned char>(qBlue(c)));
      }
    }
  }
  jpeg_compress_struct cinfo{};
  TJpegErrorManager errors;
  cinfo.err = InstallJpegErrorManager(errors);
  unsigned char* data = nullptr;
  unsigned long size = 0;
  const bool ok = Compress(&cinfo, &errors, &recipe, &rows, &data, &size);
  jpeg_destroy_compress(&cinfo);
  TBytes result;
  if (ok) result.assign(data, data + size);
  std::free(data);
  return result;
}

TBytes WithJpegSize(TBytes jpeg, int width, int height) {
  std::size_t at = 2;
  while (at + 9 < jpeg.size() && jpeg[at] == 0xFF) {
    const unsigned char marker = jpeg[at + 1];
    if (marker >= 0xC0 && marker <= 0xC2) {
      jpeg[at + 5] = static_cast<unsigned char>(height >> 8);
      jpeg[at + 6] = static_cast<unsigned char>(height);
      jpeg[at + 7] = static_cast<unsigned char>(width >> 8);
      jpeg[at + 8] = static_cast<unsigned char>(width);
      break;
    }
    at += 2 + ((jpeg[at + 2] << 8) | jpeg[at + 3]);
  }
  return jpeg;
}

}  // namespace mirel::test
