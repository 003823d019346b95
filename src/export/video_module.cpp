// The video module: canvas frames encoded by FFmpeg's libraries.
#include "export/video_module.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// Writes `why` into the caller's buffer; returns `status` (or -1).
int Fail(const std::string& why, char* error, std::size_t errorSize, int status = -1) {
  if (error && errorSize > 0) std::snprintf(error, errorSize, "%s", why.c_str());
  return status < 0 ? status : -1;
}

}  // namespace

struct MirelVideo {
  AVFormatContext* Format = nullptr;
  AVCodecContext* Codec = nullptr;
  AVStream* Stream = nullptr;
  AVFrame* Frame = nullptr;
  AVPacket* Packet = nullptr;
  SwsContext* Scaler = nullptr;
  std::int64_t NextPts = 0;
  int Height = 0;

  ~MirelVideo() {
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

  // Empty when opened; otherwise why not.
  std::string Open(const char* file, bool webm, int width, int height, int fps) {
    av_log_set_level(AV_LOG_ERROR);  // the encoders' progress notes are no errors
    Height = height;
    int status = avformat_alloc_output_context2(&Format, nullptr, webm ? "webm" : "mp4", file);
    if (status < 0 || !Format) return AvError(status);
    const AVCodec* codec = avcodec_find_encoder(webm ? AV_CODEC_ID_VP9 : AV_CODEC_ID_H264);
    if (!codec) return webm ? "no VP9 encoder" : "no H.264 encoder";
    Codec = avcodec_alloc_context3(codec);
    Codec->width = width;
    Codec->height = height;
    Codec->pix_fmt = AV_PIX_FMT_YUV420P;
    Codec->time_base = AVRational{1, fps};
    Codec->framerate = AVRational{fps, 1};
    Codec->gop_size = 2 * fps;
    if (Format->oformat->flags & AVFMT_GLOBALHEADER) Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (webm) {
      av_opt_set(Codec->priv_data, "deadline", "realtime", 0);
      av_opt_set_int(Codec->priv_data, "cpu-used", 8, 0);
      av_opt_set_int(Codec->priv_data, "crf", 32, 0);
      Codec->bit_rate = 0;
    } else {
      av_opt_set(Codec->priv_data, "preset", "veryfast", 0);
      av_opt_set(Codec->priv_data, "crf", "20", 0);
      // Pictures that change a little at a time need no frames predicted from
      // later ones; without them every player starts and ends on time.
      Codec->max_b_frames = 0;
    }
    if ((status = avcodec_open2(Codec, codec, nullptr)) < 0) return AvError(status);
    Stream = avformat_new_stream(Format, nullptr);
    if (!Stream) return "no stream";
    Stream->time_base = Codec->time_base;
    if ((status = avcodec_parameters_from_context(Stream->codecpar, Codec)) < 0) return AvError(status);
    if ((status = avio_open(&Format->pb, file, AVIO_FLAG_WRITE)) < 0) return AvError(status);
    if ((status = avformat_write_header(Format, nullptr)) < 0) return AvError(status);
    Frame = av_frame_alloc();
    Packet = av_packet_alloc();
    Frame->format = AV_PIX_FMT_YUV420P;
    Frame->width = width;
    Frame->height = height;
    if ((status = av_frame_get_buffer(Frame, 0)) < 0) return AvError(status);
    Scaler = sws_getContext(width, height, AV_PIX_FMT_BGR0, width, height, AV_PIX_FMT_YUV420P, SWS_BICUBIC,
                            nullptr, nullptr, nullptr);
    if (!Scaler) return "no colour conversion";
    return {};
  }
};

extern "C" {

MirelVideo* MirelVideoOpen(const char* file, int webm, int width, int height, int fps, char* error,
                           std::size_t errorSize) {
  auto* video = new MirelVideo;
  const std::string why = video->Open(file, webm != 0, width, height, fps);
  if (why.empty()) return video;
  Fail(why, error, errorSize);
  delete video;
  return nullptr;
}

int MirelVideoAdd(MirelVideo* video, const unsigned char* pixels, int stride, int count, char* error,
                  std::size_t errorSize) {
  MirelVideo& v = *video;
  int status = av_frame_make_writable(v.Frame);
  if (status < 0) return Fail(AvError(status), error, errorSize, status);
  const std::uint8_t* source[] = {pixels};
  const int strides[] = {stride};
  sws_scale(v.Scaler, source, strides, 0, v.Height, v.Frame->data, v.Frame->linesize);
  for (int n = 0; n < count; ++n) {
    // A held frame is sent again: every frame time gets its own picture,
    // which every player shows the same way. (Making the frame writable
    // again keeps its pixels.)
    if ((status = av_frame_make_writable(v.Frame)) < 0) return Fail(AvError(status), error, errorSize, status);
    v.Frame->pts = v.NextPts++;
    if ((status = v.Encode(v.Frame)) < 0) return Fail(AvError(status), error, errorSize, status);
  }
  return 0;
}

int MirelVideoFinish(MirelVideo* video, char* error, std::size_t errorSize) {
  MirelVideo& v = *video;
  int status = v.Encode(nullptr);
  if (status < 0) return Fail(AvError(status), error, errorSize, status);
  if ((status = av_write_trailer(v.Format)) < 0) return Fail(AvError(status), error, errorSize, status);
  if ((status = avio_closep(&v.Format->pb)) < 0) return Fail(AvError(status), error, errorSize, status);
  return 0;
}

void MirelVideoClose(MirelVideo* video) { delete video; }

}  // extern "C"
