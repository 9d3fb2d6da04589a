#pragma once
// A GL context without any window: EGL on Mesa's surfaceless platform, drawing into an
// offscreen framebuffer of a fixed size. Used where no window system is at hand (the command
// line, tests, benchmarks); the editor draws into its widget's context instead.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kurvex {

struct FramebufferCalls;  // the framebuffer-object entry points of the context's driver

class HeadlessContext {
 public:
  HeadlessContext();
  ~HeadlessContext();
  HeadlessContext(const HeadlessContext&) = delete;
  HeadlessContext& operator=(const HeadlessContext&) = delete;

  // Creates the context with a compatibility-profile desktop GL, makes it current and binds a
  // framebuffer of width x height (RGBA colour, depth). False with *error set when no GL can
  // be had.
  bool Create(int width, int height, std::string* error);
  bool Valid() const { return context_ != nullptr; }
  bool MakeCurrent();
  int width() const { return width_; }
  int height() const { return height_; }
  // The driver's largest framebuffer side, known once a context was made (even when the
  // size asked for was then refused); 0 before.
  int max_side() const { return max_side_; }

  // The framebuffer's pixels, RGBA, rows from the top.
  std::vector<uint8_t> ReadPixels() const;

  // The renderer's name, for reports.
  static std::string Renderer();

 private:
  void Release();

  std::unique_ptr<FramebufferCalls> calls_;
  void* display_ = nullptr;
  void* context_ = nullptr;
  uint32_t framebuffer_ = 0;
  uint32_t colour_buffer_ = 0;
  uint32_t depth_buffer_ = 0;
  int width_ = 0;
  int height_ = 0;
  int max_side_ = 0;
};

}  // namespace kurvex
