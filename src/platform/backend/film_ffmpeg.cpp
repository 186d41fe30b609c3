// Films on FFmpeg: any file libavformat opens and libavcodec decodes plays (old AVI
// codecs included); pictures go through libswscale straight into the display's
// 16-bit format, sound through libswresample into 16-bit stereo.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libavutil/macros.h>
#include <libavutil/imgutils.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/backend/ffmpeg_owners.h"
#include "platform/film.h"

namespace {

struct FormatInput {
  void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
struct ResampleFree {
  void operator()(SwrContext* s) const { swr_free(&s); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;

bool Fail(std::string* error, const std::string& why, int code = 0) {
  if (error) {
    *error = why;
    if (code < 0) {
      char text[AV_ERROR_MAX_STRING_SIZE] = {};
      av_strerror(code, text, sizeof text);
      *error += std::string(": ") + text;
    }
  }
  return false;
}

// One stream of a file with its decoder, read packet by packet.
struct Decoding {
  std::unique_ptr<AVFormatContext, FormatInput> format;
  std::unique_ptr<AVCodecContext, CodecFree> codec;
  int stream = -1;
  bool draining = false;
  PacketPtr packet{av_packet_alloc()};

  bool Open(const std::filesystem::path& file, AVMediaType type, std::string* error) {
    AVFormatContext* raw = nullptr;
    int rc = avformat_open_input(&raw, file.c_str(), nullptr, nullptr);
    if (rc < 0) return Fail(error, "cannot open " + file.string(), rc);
    format.reset(raw);
    if ((rc = avformat_find_stream_info(raw, nullptr)) < 0) return Fail(error, "unreadable film", rc);
    const AVCodec* decoder = nullptr;
    stream = av_find_best_stream(raw, type, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder) return Fail(error, "no stream of that kind in the film");
    codec.reset(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), raw->streams[stream]->codecpar) < 0)
      return Fail(error, "cannot set up the decoder");
    if ((rc = avcodec_open2(codec.get(), decoder, nullptr)) < 0) return Fail(error, "cannot open the decoder", rc);
    return packet != nullptr;
  }

  // The next decoded frame; false at the end. A packet the decoder refuses is
  // skipped, so one damaged spot does not end the film.
  bool Next(AVFrame* frame) {
    for (;;) {
      int rc = avcodec_receive_frame(codec.get(), frame);
      if (rc == 0) return true;
      if (rc != AVERROR(EAGAIN) || draining) return false;
      if (av_read_frame(format.get(), packet.get()) < 0) {
        draining = true;
        avcodec_send_packet(codec.get(), nullptr);
        continue;
      }
      if (packet->stream_index == stream) avcodec_send_packet(codec.get(), packet.get());
      av_packet_unref(packet.get());
    }
  }
  AVRational TimeBase() const { return format->streams[stream]->time_base; }
};

void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> WavImage(const std::vector<int16_t>& samples, int rate, int channels) {
  std::vector<uint8_t> out;
  const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLe(out, 36 + data, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, static_cast<uint32_t>(channels), 2);
  PutLe(out, static_cast<uint32_t>(rate), 4);
  PutLe(out, static_cast<uint32_t>(rate * channels * 2), 4);
  PutLe(out, static_cast<uint32_t>(channels * 2), 2);
  PutLe(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLe(out, data, 4);
  for (int16_t s : samples) PutLe(out, static_cast<uint16_t>(s), 2);
  return out;
}

class FfmpegFilmReader : public FilmReader {
 public:
  FfmpegFilmReader(std::filesystem::path file, Decoding video, int w, int h)
      : file_(std::move(file)), video_(std::move(video)), width_(w), height_(h) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  bool NextPicture(Surface& into, int64_t& ms) override {
    if (!video_.Next(frame_.get())) return false;
    const AVFrame* f = frame_.get();
    scale_.reset(sws_getCachedContext(scale_.release(), f->width, f->height, static_cast<AVPixelFormat>(f->format),
                                      width_, height_, AV_PIX_FMT_RGB565, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scale_) return false;
    if (into.Width() != width_ || into.Height() != height_) into = Surface(width_, height_);
    // The scaler writes whole vector words past a line's end: scale into padded
    // rows, then copy the pictures' own pixels.
    const int stride = FFALIGN(width_ * 2, 64);
    scaled_.resize(static_cast<size_t>(stride) * (height_ + 1));
    uint8_t* planes[4] = {scaled_.data()};
    int strides[4] = {stride};
    sws_scale(scale_.get(), f->data, f->linesize, 0, f->height, planes, strides);
    for (int y = 0; y < height_; ++y)
      std::memcpy(into.Row(y), scaled_.data() + static_cast<size_t>(y) * stride, static_cast<size_t>(width_) * 2);
    int64_t pts = f->best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) {
      AVRational rate = video_.format->streams[video_.stream]->avg_frame_rate;
      ms = rate.num > 0 ? av_rescale(pictures_, 1000LL * rate.den, rate.num) : pictures_ * 40;
    } else {
      ms = av_rescale_q(pts, video_.TimeBase(), AVRational{1, 1000});
    }
    ++pictures_;
    av_frame_unref(frame_.get());
    return true;
  }

  std::vector<uint8_t> SoundAsWav(int rate) override {
    Decoding audio;
    if (!audio.Open(file_, AVMEDIA_TYPE_AUDIO, nullptr)) return {};
    AVChannelLayout in = audio.codec->ch_layout, stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (in.order == AV_CHANNEL_ORDER_UNSPEC) av_channel_layout_default(&in, std::max(1, in.nb_channels));
    SwrContext* raw = nullptr;
    if (swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_S16, rate, &in, audio.codec->sample_fmt,
                            audio.codec->sample_rate, 0, nullptr) < 0)
      return {};
    std::unique_ptr<SwrContext, ResampleFree> resample(raw);
    if (swr_init(raw) < 0) return {};
    std::vector<int16_t> pcm;
    FramePtr frame(av_frame_alloc());
    auto convert = [&](const uint8_t** data, int count) {
      int room = swr_get_out_samples(raw, count);
      if (room <= 0) return;
      size_t at = pcm.size();
      pcm.resize(at + static_cast<size_t>(room) * 2);
      uint8_t* out = reinterpret_cast<uint8_t*>(pcm.data() + at);
      int made = swr_convert(raw, &out, room, data, count);
      pcm.resize(at + static_cast<size_t>(std::max(made, 0)) * 2);
    };
    while (audio.Next(frame.get())) {
      convert(const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
      av_frame_unref(frame.get());
    }
    convert(nullptr, 0);
    return pcm.empty() ? std::vector<uint8_t>{} : WavImage(pcm, rate, 2);
  }

 private:
  std::filesystem::path file_;
  Decoding video_;
  int width_, height_;
  int64_t pictures_ = 0;
  FramePtr frame_{av_frame_alloc()};
  std::unique_ptr<SwsContext, ScaleFree> scale_;
  std::vector<uint8_t> scaled_;
};

}  // namespace

std::unique_ptr<FilmReader> FilmReader::Open(const std::filesystem::path& file, int boxWidth, int boxHeight,
                                             std::string* error) {
  av_log_set_level(AV_LOG_QUIET);  // failures come back as results, not as console noise
  Decoding video;
  if (!video.Open(file, AVMEDIA_TYPE_VIDEO, error)) return nullptr;
  const int w = video.codec->width, h = video.codec->height;
  if (w <= 0 || h <= 0 || boxWidth <= 0 || boxHeight <= 0) {
    Fail(error, "the film has no picture size");
    return nullptr;
  }
  const double scale = std::min(static_cast<double>(boxWidth) / w, static_cast<double>(boxHeight) / h);
  const int fitW = std::clamp(static_cast<int>(std::lround(w * scale)), 1, boxWidth);
  const int fitH = std::clamp(static_cast<int>(std::lround(h * scale)), 1, boxHeight);
  return std::make_unique<FfmpegFilmReader>(file, std::move(video), fitW, fitH);
}
