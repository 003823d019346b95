// Timelapse videos play back the frames they were given.
#include "export/timelapse_writer.h"

#include <gtest/gtest.h>

#include <QColor>
#include <filesystem>
#include <vector>

#include "support/temp_folder.h"
#include "model/geometry.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace mirel::test {
namespace {

QImage Solid(QRgb colour) {
  QImage image(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// The colour at the middle of every frame of a video, decoded back.
std::vector<QRgb> DecodeMiddles(const std::string& path) {
  std::vector<QRgb> middles;
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return middles;
  avformat_find_stream_info(format, nullptr);
  const AVCodec* codec = nullptr;
  const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  AVCodecContext* context = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(context, format->streams[stream]->codecpar);
  avcodec_open2(context, codec, nullptr);
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  QImage rgb(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
  SwsContext* scaler = nullptr;
  auto drain = [&] {
    while (avcodec_receive_frame(context, frame) >= 0) {
      scaler = sws_getCachedContext(scaler, frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                    CanvasWidth, CanvasHeight, AV_PIX_FMT_BGR0, SWS_BICUBIC, nullptr, nullptr, nullptr);
      std::uint8_t* out[] = {rgb.bits()};
      const int stride[] = {static_cast<int>(rgb.bytesPerLine())};
      sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, out, stride);
      middles.push_back(rgb.pixel(CanvasWidth / 2, CanvasHeight / 2));
    }
  };
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == stream && avcodec_send_packet(context, packet) >= 0) drain();
    av_packet_unref(packet);
  }
  avcodec_send_packet(context, nullptr);
  drain();
  sws_freeContext(scaler);
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&context);
  avformat_close_input(&format);
  return middles;
}

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 && std::abs(qBlue(a) - qBlue(b)) < 24;
}

TEST(Timelapse, VideosHoldTheFramesInOrderAndTheLastOneLonger) {
  TTempFolder folder;
  const QRgb colours[] = {qRgb(250, 250, 250), qRgb(200, 30, 30), qRgb(30, 160, 40), qRgb(20, 40, 200)};
  for (const char* name : {"making.mp4", "making.webm"}) {
    const std::string path = (folder.Path() / name).string();
    TTimelapseWriter writer;
    ASSERT_TRUE(writer.Open(path, 10).Ok) << name;
    for (const QRgb colour : colours) ASSERT_TRUE(writer.AddFrame(Solid(colour)).Ok);
    ASSERT_TRUE(writer.AddFrame(Solid(colours[3]), 20).Ok);  // held two seconds
    ASSERT_TRUE(writer.Finish().Ok);
    // Only the video is left beside it: the temporary file became it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}),
              name == std::string("making.mp4") ? 1 : 2);
    const std::vector<QRgb> middles = DecodeMiddles(path);
    ASSERT_EQ(middles.size(), 24u) << name;
    EXPECT_TRUE(Near(middles.front(), colours[0])) << name;
    EXPECT_TRUE(Near(middles[1], colours[1])) << name;
    EXPECT_TRUE(Near(middles.back(), colours[3])) << name;
  }
}

TEST(Timelapse, AFailureOrAnUnfinishedVideoLeavesNoFile) {
  TTempFolder folder;
  TTimelapseWriter nowhere;
  const TResult<> result = nowhere.Open((folder.Path() / "gone" / "v.mp4").string(), 10);
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find("v.mp4"), std::string::npos);
  EXPECT_FALSE(TTimelapseWriter().Open((folder.Path() / "v.avi").string(), 10).Ok);
  {
    TTimelapseWriter cancelled;
    ASSERT_TRUE(cancelled.Open((folder.Path() / "c.mp4").string(), 10).Ok);
    ASSERT_TRUE(cancelled.AddFrame(Solid(qRgb(1, 2, 3))).Ok);
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace mirel::test
