#include "export/timelapse_writer.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "fileio/system_reason.h"
#include "fileio/temp_file.h"
#include "model/geometry.h"
#include "text/path_utils.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace mirel {
namespace {

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

TResult Failure(const std::string& path, const std::string& why) {
  return TResult::Failed("どうがを かきだせませんでした：" + path, path + ": " + why);
}

}  // namespace

struct TTimelapseWriter::TState {
  std::string Path;
  // A named temporary file beside the video (the encoder opens it by name);
  // removed unless it became the video, and one a killed export left is
  // removed by a later one after a day.
  TTempFile Temporary;
  AVFormatContext* Format = nullptr;
  AVCodecContext* Codec = nullptr;
  AVStream* Stream = nullptr;
  AVFrame* Frame = nullptr;
  AVPacket* Packet = nullptr;
  SwsContext* Scaler = nullptr;
  std::int64_t NextPts = 0;

  ~TState() {
    sws_freeContext(Scaler);
    av_packet_free(&Packet);
    av_frame_free(&Frame);
    avcodec_free_context(&Codec);
    if (Format) {
      if (Format->pb) avio_closep(&Format->pb);
      avformat_free_context(Format);
    }
  }

  // Sends a frame (or none, to flush) and writes every packet that comes out.
  int Encode(AVFrame* frame) {
    int status = avcodec_send_frame(Codec, frame);
    if (status < 0) return status;
    while ((status = avcodec_receive_packet(Codec, Packet)) >= 0) {
      // Every picture lasts one frame time; without it the container may
      // end the video before the last picture is shown.
      Packet->duration = 1;
      av_packet_rescale_ts(Packet, Codec->time_base, Stream->time_base);
      Packet->stream_index = Stream->index;
      status = av_interleaved_write_frame(Format, Packet);
      if (status < 0) return status;
    }
    return status == AVERROR(EAGAIN) || status == AVERROR_EOF ? 0 : status;
  }
};

TTimelapseWriter::TTimelapseWriter() = default;
TTimelapseWriter::~TTimelapseWriter() = default;

TResult TTimelapseWriter::Open(const std::string& path, int fps) {
  state_ = std::make_unique<TState>();
  TState& s = *state_;
  av_log_set_level(AV_LOG_ERROR);  // the encoders' progress notes are no errors
  s.Path = path;
  const std::string extension = ExtensionOf(path);
  const bool webm = extension == ".webm" || extension == ".WEBM";
  if (!webm && extension != ".mp4" && extension != ".MP4") return Failure(path, "the name must end in .mp4 or .webm");
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  RemoveStaleTempFiles(folder);
  if (const int error = s.Temporary.Create(folder, TTempFile::TKind::Named); error != 0) {
    return Failure(path, SystemReason(error));
  }
  const std::string temporary = s.Temporary.Path().string();
  int status = avformat_alloc_output_context2(&s.Format, nullptr, webm ? "webm" : "mp4", temporary.c_str());
  if (status < 0 || !s.Format) return Failure(path, AvError(status));
  const AVCodec* codec = avcodec_find_encoder(webm ? AV_CODEC_ID_VP9 : AV_CODEC_ID_H264);
  if (!codec) return Failure(path, webm ? "no VP9 encoder" : "no H.264 encoder");
  s.Codec = avcodec_alloc_context3(codec);
  s.Codec->width = CanvasWidth;
  s.Codec->height = CanvasHeight;
  s.Codec->pix_fmt = AV_PIX_FMT_YUV420P;
  s.Codec->time_base = AVRational{1, fps};
  s.Codec->framerate = AVRational{fps, 1};
  s.Codec->gop_size = 2 * fps;
  if (s.Format->oformat->flags & AVFMT_GLOBALHEADER) s.Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (webm) {
    av_opt_set(s.Codec->priv_data, "deadline", "realtime", 0);
    av_opt_set_int(s.Codec->priv_data, "cpu-used", 8, 0);
    av_opt_set_int(s.Codec->priv_data, "crf", 32, 0);
    s.Codec->bit_rate = 0;
  } else {
    av_opt_set(s.Codec->priv_data, "preset", "veryfast", 0);
    av_opt_set(s.Codec->priv_data, "crf", "20", 0);
    // Pictures that change a little at a time need no frames predicted from
    // later ones; without them every player starts and ends on time.
    s.Codec->max_b_frames = 0;
  }
  if ((status = avcodec_open2(s.Codec, codec, nullptr)) < 0) return Failure(path, AvError(status));
  s.Stream = avformat_new_stream(s.Format, nullptr);
  if (!s.Stream) return Failure(path, "no stream");
  s.Stream->time_base = s.Codec->time_base;
  if ((status = avcodec_parameters_from_context(s.Stream->codecpar, s.Codec)) < 0) return Failure(path, AvError(status));
  if ((status = avio_open(&s.Format->pb, temporary.c_str(), AVIO_FLAG_WRITE)) < 0) {
    return Failure(path, AvError(status));
  }
  if ((status = avformat_write_header(s.Format, nullptr)) < 0) return Failure(path, AvError(status));
  s.Frame = av_frame_alloc();
  s.Packet = av_packet_alloc();
  s.Frame->format = AV_PIX_FMT_YUV420P;
  s.Frame->width = CanvasWidth;
  s.Frame->height = CanvasHeight;
  if ((status = av_frame_get_buffer(s.Frame, 0)) < 0) return Failure(path, AvError(status));
  // Format_RGB32 holds B, G, R, X bytes in memory on this machine.
  s.Scaler = sws_getContext(CanvasWidth, CanvasHeight, AV_PIX_FMT_BGR0, CanvasWidth, CanvasHeight, AV_PIX_FMT_YUV420P,
                            SWS_BICUBIC, nullptr, nullptr, nullptr);
  if (!s.Scaler) return Failure(path, "no colour conversion");
  return TResult::Done();
}

TResult TTimelapseWriter::AddFrame(const QImage& frame, int count) {
  if (!state_ || !state_->Frame) return TResult::Failed("どうがを かきだせませんでした", "not open");
  TState& s = *state_;
  const QImage canvas = frame.format() == QImage::Format_RGB32 && frame.size() == QSize(CanvasWidth, CanvasHeight)
                            ? frame
                            : frame.convertToFormat(QImage::Format_RGB32).copy(0, 0, CanvasWidth, CanvasHeight);
  int status = av_frame_make_writable(s.Frame);
  if (status < 0) return Failure(s.Path, AvError(status));
  const std::uint8_t* source[] = {canvas.constBits()};
  const int stride[] = {static_cast<int>(canvas.bytesPerLine())};
  sws_scale(s.Scaler, source, stride, 0, CanvasHeight, s.Frame->data, s.Frame->linesize);
  for (int n = 0; n < count; ++n) {
    // A held frame is sent again: every frame time gets its own picture,
    // which every player shows the same way. (Making the frame writable
    // again keeps its pixels.)
    if ((status = av_frame_make_writable(s.Frame)) < 0) return Failure(s.Path, AvError(status));
    s.Frame->pts = s.NextPts++;
    if ((status = s.Encode(s.Frame)) < 0) return Failure(s.Path, AvError(status));
  }
  return TResult::Done();
}

TResult TTimelapseWriter::Finish() {
  if (!state_ || !state_->Frame) return TResult::Failed("どうがを かきだせませんでした", "not open");
  TState& s = *state_;
  int status = s.Encode(nullptr);
  if (status < 0) return Failure(s.Path, AvError(status));
  if ((status = av_write_trailer(s.Format)) < 0) return Failure(s.Path, AvError(status));
  if ((status = avio_closep(&s.Format->pb)) < 0) return Failure(s.Path, AvError(status));
  // On the disk before it takes the name, as every file Mirel writes.
  if (::fsync(s.Temporary.Fd()) != 0) return Failure(s.Path, SystemReason(errno));
  if (const int error = s.Temporary.MoveTo(s.Path); error != 0) return Failure(s.Path, SystemReason(error));
  if (const int error = s.Temporary.Close(); error != 0) return Failure(s.Path, SystemReason(error));
  return TResult::Done();
}

}  // namespace mirel
