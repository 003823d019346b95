#include "gallery/gallery_build.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "fileio/file_replace.h"
#include "fileio/user_words.h"
#include "gallery/drawing_build.h"
#include "gallery/gallery_pages.h"

namespace mirel {
namespace {

bool IsDrawingName(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  return extension == ".mrl" || extension == ".MRL";
}

QString ContentHash(const std::string& file) {
  QFile input(QString::fromStdString(file));
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!input.open(QIODevice::ReadOnly) || !hash.addData(&input)) return {};
  return QString::fromLatin1(hash.result().toHex());
}

std::optional<TGalleryCard> ReadCard(const std::filesystem::path& file) {
  QFile input(QString::fromStdString(file.string()));
  if (!input.open(QIODevice::ReadOnly)) return std::nullopt;
  return CardFromJson(input.readAll());
}

// One job per drawing, each with a folder of its own.
std::vector<TDrawingJob> JobsFor(const std::vector<std::string>& files, const TGalleryOptions& options) {
  std::vector<TDrawingJob> jobs;
  std::set<QString> taken;
  for (const std::string& file : files) {
    TDrawingJob job;
    job.File = file;
    job.Name = QFile::decodeName(QByteArray::fromStdString(std::filesystem::path(file).stem().string()));
    const QString base = SiteFolderName(job.Name);
    job.Folder = base;
    for (int n = 2; taken.contains(job.Folder); ++n) job.Folder = base + '-' + QString::number(n);
    taken.insert(job.Folder);
    // A drawing usually travels with its pictures.
    std::error_code ec;
    job.BackgroundFolders = options.BackgroundFolders;
    job.BackgroundFolders.push_back(std::filesystem::absolute(file, ec).parent_path().string());
    jobs.push_back(std::move(job));
  }
  return jobs;
}

}  // namespace

std::vector<std::string> FindDrawings(const std::vector<std::string>& inputs, std::vector<std::string>& trouble) {
  std::vector<std::string> files;
  for (const std::string& input : inputs) {
    std::error_code ec;
    if (!std::filesystem::is_directory(input, ec)) {
      if (std::filesystem::is_regular_file(input, ec) && IsDrawingName(input)) {
        files.push_back(input);
      } else {
        trouble.push_back(input + ": neither a folder nor a drawing (.mrl)");
      }
      continue;
    }
    std::vector<std::string> found;
    for (std::filesystem::directory_iterator it(input, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code kind;
      if (IsDrawingName(it->path()) && it->is_regular_file(kind)) found.push_back(it->path().string());
    }
    if (ec) trouble.push_back(input + ": " + ec.message());
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

std::optional<TGallerySummary> BuildGallery(const TGalleryOptions& options,
                                            const std::function<bool(int done, int total)>& progress,
                                            const std::function<void(const std::string& line)>& report) {
  TGallerySummary outcome;
  const std::filesystem::path site = options.Site;
  std::vector<std::string> trouble;
  const std::vector<TDrawingJob> jobs = JobsFor(FindDrawings(options.Inputs, trouble), options);
  for (const std::string& line : trouble) report(line);
  outcome.Unwritten = static_cast<int>(trouble.size());
  std::error_code ec;
  std::filesystem::create_directories(site / kWorksFolder, ec);
  if (ec) {
    ++outcome.Unwritten;
    report(options.Site + ": " + ec.message());
    return outcome;
  }

  const int total = static_cast<int>(jobs.size());
  std::vector<std::optional<TGalleryCard>> cards(jobs.size());
  std::atomic<int> next{0};
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  std::condition_variable changed;
  int done = 0;
  std::vector<std::string> lines;
  auto work = [&] {
    for (int i = next++; i < total && !cancel; i = next++) {
      const TDrawingJob& job = jobs[static_cast<std::size_t>(i)];
      const QString hash = ContentHash(job.File);
      std::optional<TGalleryCard> card = ReadCard(WorksFolder(site, job.Folder) / "card.json");
      // The same file as last time: its outputs stand.
      std::error_code missing;
      const bool reuse = card && !hash.isEmpty() && card->Hash == hash && card->Name == job.Name &&
                         (!card->Ok() || std::filesystem::exists(WorksFolder(site, job.Folder) / "index.html", missing));
      std::optional<TDrawingBuild> build;
      if (!reuse) build = BuildDrawing(job, hash, site, cancel);
      const std::lock_guard lock(mutex);
      if (reuse) {
        ++outcome.Reused;
        if (!card->Ok()) lines.push_back(job.File + ": " + card->Failure.toStdString());
      } else {
        card = build->Card;
        ++outcome.Built;
        outcome.BuildSeconds += build->Seconds;
        outcome.VideoSeconds += build->VideoSeconds;
        lines.insert(lines.end(), build->Warnings.begin(), build->Warnings.end());
        if (build->Cancelled) continue;
      }
      cards[static_cast<std::size_t>(i)] = std::move(card);
      ++done;
    }
  };
  const int workers = std::clamp(options.Workers > 0 ? options.Workers : QThread::idealThreadCount(), 1, std::max(total, 1));
  int active = workers;
  std::vector<std::jthread> threads;
  for (int w = 0; w < workers; ++w) {
    threads.emplace_back([&] {
      work();
      const std::lock_guard lock(mutex);
      --active;
      changed.notify_one();
    });
  }
  {
    std::unique_lock lock(mutex);
    for (bool last = false; !last;) {
      changed.wait_for(lock, std::chrono::milliseconds(100));
      last = active == 0;
      std::vector<std::string> now = std::exchange(lines, {});
      const int doneNow = done;
      lock.unlock();
      for (const std::string& line : now) report(line);
      if (progress && !progress(doneNow, total)) cancel = true;
      lock.lock();
    }
  }
  threads.clear();  // joins
  for (const std::string& line : lines) report(line);
  if (cancel || done < total) return std::nullopt;
  std::vector<TGalleryCard> built;  // in the index's order
  for (std::optional<TGalleryCard>& card : cards) {
    if (!card->Ok()) ++outcome.Failed;
    built.push_back(std::move(*card));
  }
  // The drawings' files on the disk before the index links them.
  SyncFileSystem(site);
  if (const TResult<> index = WriteGalleryIndex(site, built); !index) {
    report(index.Detail);
    ++outcome.Unwritten;
  }
  return outcome;
}

TResult<> WriteGalleryIndex(const std::filesystem::path& site, const std::vector<TGalleryCard>& cards) {
  QJsonArray drawings;
  for (const TGalleryCard& card : cards) {
    QJsonObject entry{{"name", card.Name}, {"folder", card.Folder}, {"hash", card.Hash}};
    if (!card.Ok()) entry["failure"] = card.Failure;
    drawings.append(entry);
  }
  for (const auto& [name, bytes] : {std::pair{"style.css", StyleSheet()},
                                    std::pair{"manifest.json", QJsonDocument(QJsonObject{{"drawings", drawings}}).toJson()},
                                    std::pair{"index.html", IndexPage(cards)}}) {
    const std::string failed = WriteSiteFile(site / name, bytes);
    if (!failed.empty()) return TResult<>::Failed(std::string(msg::kGalleryNotWritten), failed);
  }
  if (!SyncFileSystem(site)) {
    return TResult<>::Failed(std::string(msg::kGalleryNotWritten), site.string() + ": sync failed");
  }
  return TResult<>::Done();
}

std::vector<TGalleryCard> CardsInSite(const std::filesystem::path& site) {
  std::vector<TGalleryCard> cards;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(site / kWorksFolder, ec), end; !ec && it != end; it.increment(ec)) {
    if (std::optional<TGalleryCard> card = ReadCard(it->path() / "card.json")) {
      // The folder the card is in is the one to link.
      card->Folder = QFile::decodeName(QByteArray::fromStdString(it->path().filename().string()));
      if (card->Folder == SiteFolderName(card->Folder)) cards.push_back(std::move(*card));
    }
  }
  std::sort(cards.begin(), cards.end(), [](const TGalleryCard& a, const TGalleryCard& b) {
    return std::pair(a.Name, a.Folder) < std::pair(b.Name, b.Folder);
  });
  return cards;
}

}  // namespace mirel
