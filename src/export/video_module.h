#pragma once
// The interface of the video module: FFmpeg's libraries, and the hundred
// libraries they bring, are loaded only when a video is written, not at
// every start of the programs. Plain C so that loader and module need
// share nothing but this header. Errors are written into `error` (at most
// `errorSize` bytes, terminated).
#include <cstddef>

extern "C" {

struct MirelVideo;

// A video of `width` x `height` frames at `fps` frames a second written to
// `file`: H.264 in MP4, or VP9 in WebM when `webm` is not 0. None on failure.
MirelVideo* MirelVideoOpen(const char* file, int webm, int width, int height, int fps, char* error,
                           std::size_t errorSize);
// Adds a frame of B, G, R, X bytes, `stride` bytes a row, shown `count`
// frame times. 0 on success.
int MirelVideoAdd(MirelVideo* video, const unsigned char* pixels, int stride, int count, char* error,
                  std::size_t errorSize);
// Writes what is left and closes the file. 0 on success.
int MirelVideoFinish(MirelVideo* video, char* error, std::size_t errorSize);
// Frees the video, finished or not.
void MirelVideoClose(MirelVideo* video);

}
