#include "headless/egl_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace kurvex {

// The framebuffer calls are not part of GL 1.x: they are looked up at run time.
struct FramebufferCalls {
  PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
  PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
  PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
  PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
  PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
  PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;

  bool Load() {
    auto get = [](const char* name) { return eglGetProcAddress(name); };
    GenFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(get("glGenFramebuffers"));
    DeleteFramebuffers = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(get("glDeleteFramebuffers"));
    BindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(get("glBindFramebuffer"));
    GenRenderbuffers = reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(get("glGenRenderbuffers"));
    DeleteRenderbuffers =
        reinterpret_cast<PFNGLDELETERENDERBUFFERSPROC>(get("glDeleteRenderbuffers"));
    BindRenderbuffer = reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(get("glBindRenderbuffer"));
    RenderbufferStorage =
        reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(get("glRenderbufferStorage"));
    FramebufferRenderbuffer =
        reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(get("glFramebufferRenderbuffer"));
    CheckFramebufferStatus =
        reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(get("glCheckFramebufferStatus"));
    return GenFramebuffers && DeleteFramebuffers && BindFramebuffer && GenRenderbuffers &&
           DeleteRenderbuffers && BindRenderbuffer && RenderbufferStorage &&
           FramebufferRenderbuffer && CheckFramebufferStatus;
  }
};

namespace {

std::string EglError(const char* step) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(eglGetError()));
  return std::string(step) + " failed (EGL error " + code + ")";
}

bool HasExtension(const char* list, const char* name) {
  if (list == nullptr) return false;
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(list, name); at != nullptr; at = std::strstr(at + 1, name)) {
    const bool starts = at == list || at[-1] == ' ';
    if (starts && (at[length] == ' ' || at[length] == '\0')) return true;
  }
  return false;
}

// Mesa's surfaceless platform needs neither a window system nor a display server.
EGLDisplay SurfacelessDisplay() {
  const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  if (HasExtension(client, "EGL_MESA_platform_surfaceless")) {
    auto get_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (get_display != nullptr) {
      return get_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    }
  }
  return eglGetDisplay(EGL_DEFAULT_DISPLAY);
}

EGLConfig ChooseConfig(EGLDisplay display) {
  const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (eglChooseConfig(display, attributes, &config, 1, &count) && count > 0) return config;
  return nullptr;  // EGL_NO_CONFIG_KHR: a context without a config, where that is offered
}

// The smaller of the renderbuffer and viewport limits: a larger framebuffer would be refused or
// drawn only in part.
int DriverMaxSide() {
  GLint renderbuffer = 0;
  GLint viewport[2] = {0, 0};
  glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
  return std::min({renderbuffer, viewport[0], viewport[1]});
}

}  // namespace

HeadlessContext::HeadlessContext() = default;
HeadlessContext::~HeadlessContext() { Release(); }

bool HeadlessContext::Create(int width, int height, std::string* error) {
  Release();
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    Release();
    return false;
  };
  if (width < 1 || height < 1 || width > 16384 || height > 16384) {
    return fail("the picture size must be 1..16384 pixels each way");
  }
  EGLDisplay display = SurfacelessDisplay();
  if (display == EGL_NO_DISPLAY) return fail(EglError("Opening an EGL display"));
  if (!eglInitialize(display, nullptr, nullptr)) return fail(EglError("eglInitialize"));
  display_ = display;
  if (!eglBindAPI(EGL_OPENGL_API)) return fail(EglError("Choosing desktop OpenGL"));
  const EGLConfig config = ChooseConfig(display);
  const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
  if (context == EGL_NO_CONTEXT) return fail(EglError("eglCreateContext"));
  context_ = context;
  if (!MakeCurrent()) return fail(EglError("eglMakeCurrent"));
  calls_ = std::make_unique<FramebufferCalls>();
  if (!calls_->Load()) return fail("the OpenGL driver offers no framebuffer objects");
  max_side_ = DriverMaxSide();
  if (width > max_side_ || height > max_side_) {
    return fail("the picture is larger than the driver's " + std::to_string(max_side_) +
                " pixels a side");
  }

  FramebufferCalls& gl = *calls_;
  GLuint names[2] = {0, 0};
  gl.GenFramebuffers(1, &names[0]);
  framebuffer_ = names[0];
  gl.GenRenderbuffers(2, names);
  colour_buffer_ = names[0];
  depth_buffer_ = names[1];
  gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  gl.BindRenderbuffer(GL_RENDERBUFFER, colour_buffer_);
  gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_buffer_);
  gl.BindRenderbuffer(GL_RENDERBUFFER, depth_buffer_);
  gl.RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
  gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_buffer_);
  if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    return fail("the offscreen framebuffer could not be set up");
  }
  width_ = width;
  height_ = height;
  return true;
}

bool HeadlessContext::MakeCurrent() {
  if (context_ == nullptr) return false;
  return eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_) == EGL_TRUE;
}

std::vector<uint8_t> HeadlessContext::ReadPixels() const {
  const size_t row = static_cast<size_t>(width_) * 4;
  std::vector<uint8_t> bottom_up(row * height_);
  if (bottom_up.empty()) return bottom_up;
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bottom_up.data());
  std::vector<uint8_t> top_down(bottom_up.size());
  for (int y = 0; y < height_; ++y) {
    std::memcpy(&top_down[y * row], &bottom_up[(height_ - 1 - y) * row], row);
  }
  return top_down;
}

std::string HeadlessContext::Renderer() {
  const GLubyte* renderer = glGetString(GL_RENDERER);
  return renderer != nullptr ? reinterpret_cast<const char*>(renderer) : "";
}

void HeadlessContext::Release() {
  if (context_ != nullptr && calls_ != nullptr && MakeCurrent()) {
    FramebufferCalls& gl = *calls_;
    const GLuint buffers[2] = {colour_buffer_, depth_buffer_};
    if (framebuffer_ != 0) {
      gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
      gl.DeleteFramebuffers(1, &framebuffer_);
    }
    if (colour_buffer_ != 0 || depth_buffer_ != 0) gl.DeleteRenderbuffers(2, buffers);
  }
  framebuffer_ = colour_buffer_ = depth_buffer_ = 0;
  if (display_ != nullptr) {
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context_ != nullptr) eglDestroyContext(display_, context_);
  }
  context_ = nullptr;
  // The display stays initialised: EGL shares it per process, and terminating it would pull it
  // from under any other context of the process.
  display_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace kurvex
