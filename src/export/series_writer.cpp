#include "export/series_writer.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "export/jpeg_series_encoder.h"
#include "export/picture_file.h"
#include "fileio/user_words.h"

namespace mirel {
namespace {

struct TJob {
  enum class TStage { Waiting, Encoding, Encoded };
  QImage Frame;
  std::string Path;
  TStage Stage = TStage::Waiting;
  std::vector<unsigned char> Bytes;
  std::string Error;  // why it could not be encoded
};

}  // namespace

struct TPictureSeriesWriter::TState {
  std::mutex Mutex;
  std::condition_variable Changed;  // any change: few threads, all woken
  std::deque<std::shared_ptr<TJob>> Queue;  // in frame order, not yet written
  std::size_t Capacity = 4;
  bool Writing = false;
  bool Stopped = false;  // failed or cancelled: nothing more is written
  bool Quit = false;
  int Written = 0;
  TResult<> Failure;
  std::set<std::filesystem::path> Folders;
  std::vector<std::thread> Threads;
  bool Done = false;

  void Encode() {
    TJpegSeriesEncoder encoder;  // one per thread, kept for the series
    std::unique_lock lock(Mutex);
    for (;;) {
      const auto waiting = [&] {
        return std::find_if(Queue.begin(), Queue.end(),
                            [](const auto& job) { return job->Stage == TJob::TStage::Waiting; });
      };
      Changed.wait(lock, [&] { return Quit || waiting() != Queue.end(); });
      if (Quit) return;
      const std::shared_ptr<TJob> job = *waiting();
      job->Stage = TJob::TStage::Encoding;
      lock.unlock();
      if (const TResult<std::span<const unsigned char>> encoded = encoder.Encode(job->Frame)) {
        job->Bytes.assign(encoded->begin(), encoded->end());
      } else {
        job->Error = encoded.Detail.empty() ? "no picture" : encoded.Detail;
      }
      job->Frame = QImage();
      lock.lock();
      job->Stage = TJob::TStage::Encoded;
      Changed.notify_all();
    }
  }

  void Write() {
    std::unique_lock lock(Mutex);
    for (;;) {
      Changed.wait(lock, [&] { return Quit || (!Queue.empty() && Queue.front()->Stage == TJob::TStage::Encoded); });
      if (Quit) return;
      const std::shared_ptr<TJob> job = std::move(Queue.front());
      Queue.pop_front();
      Writing = true;
      lock.unlock();
      TResult<> written =
          job->Error.empty()
              ? WritePictureFile(job->Bytes, job->Path, {}, TDurability::Deferred)
              : TResult<>::Failed({}, "cannot encode " + job->Path + ": " + job->Error);
      lock.lock();
      Writing = false;
      if (written.Ok) {
        ++Written;
      } else if (!Stopped) {
        Fail(written, job->Path);
      }
      Changed.notify_all();
    }
  }

  // Called with the lock held.
  void Fail(const TResult<>& why, const std::string& path) {
    Stopped = true;
    Queue.clear();
    Failure = why.Told(std::string(msg::kPictureWriteFailed) + path);
  }

  TResult<> Shutdown(std::unique_lock<std::mutex>& lock) {
    Quit = true;
    Changed.notify_all();
    lock.unlock();
    for (std::thread& thread : Threads) thread.join();
    Threads.clear();
    lock.lock();
    Done = true;
    return Failure;
  }
};

int TPictureSeriesWriter::DefaultEncoders() {
  // Encoding, even of the changed bands alone, takes longer than composing
  // a frame: one encoder per core keeps every core busy.
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, 4);
}

TPictureSeriesWriter::TPictureSeriesWriter(int encoders) : state_(std::make_unique<TState>()) {
  if (encoders <= 0) encoders = DefaultEncoders();
  // Enough frames under way to keep every encoder busy, few enough that the
  // frames waiting stay a few canvases of memory.
  state_->Capacity = static_cast<std::size_t>(2 * encoders + 2);
  state_->Threads.emplace_back([state = state_.get()] { state->Write(); });
  for (int i = 0; i < encoders; ++i) state_->Threads.emplace_back([state = state_.get()] { state->Encode(); });
}

TPictureSeriesWriter::~TPictureSeriesWriter() {
  if (!state_->Done) Cancel();
}

bool TPictureSeriesWriter::Add(const QImage& frame, std::string path) {
  TState& s = *state_;
  std::unique_lock lock(s.Mutex);
  s.Changed.wait(lock, [&] { return s.Stopped || s.Queue.size() < s.Capacity; });
  if (s.Stopped || s.Done) return false;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  s.Folders.insert(folder.empty() ? std::filesystem::path(".") : std::move(folder));
  auto job = std::make_shared<TJob>();
  job->Frame = frame;
  job->Path = std::move(path);
  s.Queue.push_back(std::move(job));
  s.Changed.notify_all();
  return true;
}

int TPictureSeriesWriter::FramesWritten() const {
  const std::lock_guard lock(state_->Mutex);
  return state_->Written;
}

TResult<> TPictureSeriesWriter::Finish() {
  TState& s = *state_;
  std::unique_lock lock(s.Mutex);
  if (s.Done) return s.Failure;
  s.Changed.wait(lock, [&] { return s.Stopped || (s.Queue.empty() && !s.Writing); });
  if (!s.Shutdown(lock)) return s.Failure;
  // The frames are complete files by now; a failing sync means the disk did
  // not take them.
  for (const std::filesystem::path& folder : s.Folders) {
    if (TResult<> synced = SyncFileSystem(folder); !synced) {
      synced.Detail = "cannot sync the frames in " + folder.string() + ": " + synced.Message;
      s.Fail(synced, folder.string());
      break;
    }
  }
  return s.Failure;
}

TResult<> TPictureSeriesWriter::Cancel() {
  TState& s = *state_;
  std::unique_lock lock(s.Mutex);
  if (s.Done) return s.Failure;
  s.Stopped = true;
  s.Queue.clear();
  s.Changed.wait(lock, [&] { return !s.Writing; });
  return s.Shutdown(lock);
}

}  // namespace mirel
