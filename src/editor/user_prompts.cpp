#include "editor/user_prompts.h"

namespace mirel {

TFileChoice FileChoiceFor(TFileDialog dialog) {
  switch (dialog) {
    case TFileDialog::OpenData: return {"Mirelファイル（*.mrl）|*.mrl", "", false};
    case TFileDialog::SaveData: return {"Mirelファイル（*.mrl）|*.mrl", "mrl", true};
    case TFileDialog::OpenBG:
      return {"ビットマップ（*.bmp）|*.bmp|JPEGファイル（*.jpg）|*.jpg;*.bmp", "", false};
    case TFileDialog::SaveBMP: return {"ビットマップ（*.bmp）|*.bmp", "bmp", true};
    case TFileDialog::SaveJPEG: return {"JPEGファイル（*.jpg）|*.jpg", "jpg", true};
    case TFileDialog::SaveVideo: return {"MP4どうが（*.mp4）|*.mp4|WebMどうが（*.webm）|*.webm", "mp4", true};
  }
  return {};
}

}  // namespace mirel
