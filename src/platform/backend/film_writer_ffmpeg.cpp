// Writing films with FFmpeg's own encoders: MPEG-4 part 2 pictures at a fixed
// quantiser and 16-bit PCM sound, in AVI. Every encoder runs single-threaded and
// bit-exact, so the same pictures and sound always give the same file.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

#include "platform/backend/ffmpeg_owners.h"
#include "platform/film.h"

namespace {

struct OutputFormat {
  void operator()(AVFormatContext* f) const {
    if (f->pb) avio_closep(&f->pb);
    avformat_free_context(f);
  }
};
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFree>;

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

struct Track {
  CodecPtr codec;
  AVStream* stream = nullptr;
};

bool AddTrack(AVFormatContext* format, Track& t, AVCodecID id, const std::function<void(AVCodecContext*)>& setUp) {
  const AVCodec* encoder = avcodec_find_encoder(id);
  if (!encoder) return false;
  t.codec.reset(avcodec_alloc_context3(encoder));
  t.stream = avformat_new_stream(format, nullptr);
  if (!t.codec || !t.stream) return false;
  t.codec->thread_count = 1;
  t.codec->flags |= AV_CODEC_FLAG_BITEXACT;
  if (format->oformat->flags & AVFMT_GLOBALHEADER) t.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  setUp(t.codec.get());
  if (avcodec_open2(t.codec.get(), encoder, nullptr) < 0) return false;
  if (avcodec_parameters_from_context(t.stream->codecpar, t.codec.get()) < 0) return false;
  t.stream->time_base = t.codec->time_base;
  return true;
}

// Sends one frame (nullptr: the end) and writes every packet that comes out.
bool Encode(AVFormatContext* format, Track& t, AVFrame* frame, AVPacket* packet) {
  if (avcodec_send_frame(t.codec.get(), frame) < 0) return false;
  for (;;) {
    int rc = avcodec_receive_packet(t.codec.get(), packet);
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) return false;
    av_packet_rescale_ts(packet, t.codec->time_base, t.stream->time_base);
    packet->stream_index = t.stream->index;
    if (av_interleaved_write_frame(format, packet) < 0) return false;
  }
}

}  // namespace

bool WriteFilm(const std::filesystem::path& file, const FilmShape& shape, const FilmPainter& paint,
               const std::vector<int16_t>& sound, std::string* error) {
  if (shape.width <= 0 || shape.height <= 0 || shape.width % 2 || shape.height % 2 || shape.fps <= 0 || shape.pictures <= 0)
    return Fail(error, "bad film size");
  av_log_set_level(AV_LOG_QUIET);
  AVFormatContext* raw = nullptr;
  if (avformat_alloc_output_context2(&raw, nullptr, "avi", file.c_str()) < 0 || !raw)
    return Fail(error, "no AVI writer");
  std::unique_ptr<AVFormatContext, OutputFormat> format(raw);
  format->flags |= AVFMT_FLAG_BITEXACT;

  Track video, audio;
  if (!AddTrack(raw, video, AV_CODEC_ID_MPEG4, [&](AVCodecContext* c) {
        c->width = shape.width;
        c->height = shape.height;
        c->time_base = {1, shape.fps};
        c->framerate = {shape.fps, 1};
        c->pix_fmt = AV_PIX_FMT_YUV420P;
        c->gop_size = shape.fps * 2;
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = FF_QP2LAMBDA * 3;
      }))
    return Fail(error, "cannot set up the picture encoder");
  if (!AddTrack(raw, audio, AV_CODEC_ID_PCM_S16LE, [&](AVCodecContext* c) {
        c->sample_fmt = AV_SAMPLE_FMT_S16;
        c->sample_rate = shape.soundRate;
        c->ch_layout = AV_CHANNEL_LAYOUT_MONO;
        c->time_base = {1, shape.soundRate};
      }))
    return Fail(error, "cannot set up the sound encoder");
  if (avio_open(&format->pb, file.c_str(), AVIO_FLAG_WRITE) < 0) return Fail(error, "cannot write " + file.string());
  if (avformat_write_header(raw, nullptr) < 0) return Fail(error, "cannot write the film header");

  std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
  std::unique_ptr<AVFrame, FrameFree> picture(av_frame_alloc());
  std::unique_ptr<SwsContext, ScaleFree> toYuv(sws_getContext(shape.width, shape.height, AV_PIX_FMT_RGB24, shape.width,
                                                               shape.height, AV_PIX_FMT_YUV420P,
                                                               SWS_BILINEAR | SWS_BITEXACT | SWS_ACCURATE_RND,
                                                               nullptr, nullptr, nullptr));
  if (!packet || !picture || !toYuv) return Fail(error, "out of memory");
  picture->format = AV_PIX_FMT_YUV420P;
  picture->width = shape.width;
  picture->height = shape.height;
  if (av_frame_get_buffer(picture.get(), 0) < 0) return Fail(error, "out of memory");

  std::vector<uint8_t> rgb;
  size_t soundAt = 0;
  for (int i = 0; i < shape.pictures; ++i) {
    rgb.assign(static_cast<size_t>(shape.width) * shape.height * 3, 0);
    paint(i, rgb);
    if (av_frame_make_writable(picture.get()) < 0) return Fail(error, "out of memory");
    const uint8_t* src[4] = {rgb.data()};
    const int srcStride[4] = {shape.width * 3};
    sws_scale(toYuv.get(), src, srcStride, 0, shape.height, picture->data, picture->linesize);
    picture->pts = i;
    if (!Encode(raw, video, picture.get(), packet.get())) return Fail(error, "cannot encode a picture");
    // The sound that belongs up to the end of this picture (all of it after the last).
    size_t until = i + 1 == shape.pictures ? sound.size()
                                          : std::min(sound.size(), static_cast<size_t>(shape.soundRate) * (i + 1) / shape.fps);
    if (until > soundAt) {
      std::unique_ptr<AVFrame, FrameFree> chunk(av_frame_alloc());
      chunk->format = AV_SAMPLE_FMT_S16;
      chunk->sample_rate = shape.soundRate;
      chunk->ch_layout = AV_CHANNEL_LAYOUT_MONO;
      chunk->nb_samples = static_cast<int>(until - soundAt);
      if (av_frame_get_buffer(chunk.get(), 0) < 0) return Fail(error, "out of memory");
      std::copy(sound.begin() + static_cast<std::ptrdiff_t>(soundAt), sound.begin() + static_cast<std::ptrdiff_t>(until),
                reinterpret_cast<int16_t*>(chunk->data[0]));
      chunk->pts = static_cast<int64_t>(soundAt);
      if (!Encode(raw, audio, chunk.get(), packet.get())) return Fail(error, "cannot encode the sound");
      soundAt = until;
    }
  }
  if (!Encode(raw, video, nullptr, packet.get()) || !Encode(raw, audio, nullptr, packet.get()))
    return Fail(error, "cannot finish the film");
  if (av_write_trailer(raw) < 0) return Fail(error, "cannot finish the film");
  return true;
}
