#include "export/video_module_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

namespace mirel {
namespace {

namespace fs = std::filesystem;

// Installed beside the programs' prefix (prefix/bin/mirel and
// prefix/lib.../mirel/mirel-video.so); in a build tree, where it was built.
std::vector<fs::path> Candidates() {
  std::vector<fs::path> paths;
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) paths.push_back(program.parent_path().parent_path() / MIREL_VIDEO_MODULE_INSTALLED);
  paths.emplace_back(MIREL_VIDEO_MODULE_BUILT);
  return paths;
}

TResult<TVideoModule> Load() {
  std::string whyNot;
  for (const fs::path& path : Candidates()) {
    std::error_code ec;
    if (!fs::exists(path, ec)) continue;
    // Kept loaded for the rest of the run: frames may be written again.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      whyNot = ::dlerror();
      continue;
    }
    TVideoModule m;
    m.Open = reinterpret_cast<decltype(m.Open)>(::dlsym(handle, "MirelVideoOpen"));
    m.Add = reinterpret_cast<decltype(m.Add)>(::dlsym(handle, "MirelVideoAdd"));
    m.Finish = reinterpret_cast<decltype(m.Finish)>(::dlsym(handle, "MirelVideoFinish"));
    m.Close = reinterpret_cast<decltype(m.Close)>(::dlsym(handle, "MirelVideoClose"));
    if (m.Open && m.Add && m.Finish && m.Close) return m;
    whyNot = path.string() + " is not Mirel's video module";
  }
  if (whyNot.empty()) whyNot = "the video module (mirel-video.so) is not installed";
  return TResult<>::Failed({}, whyNot);
}

}  // namespace

TResult<const TVideoModule*> LoadVideoModule() {
  static const TResult<TVideoModule> loaded = Load();
  if (!loaded) return loaded.Failure();
  return &loaded.Value();
}

}  // namespace mirel
