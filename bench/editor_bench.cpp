// The editor's start, its preview's frame rate and its idle CPU use, measured on whatever
// display it is given (run it under xvfb-run for the figures in the README):
//   editor_bench [--size WxH] [--idle SECONDS]
//   - start: from before the application object to the first preview frame;
//   - idle: the share of one core the whole editor (llvmpipe's threads included) uses while
//     nobody touches it, for SECONDS each (10 by default, 0 skips): a 39-point course that
//     animates, the still new course, and the animated course with the Preview hidden;
//   - frames: a 64-point course with every feature, textures and every switch on, at WxH
//     (1920x1080 by default), for three seconds while the view turns every frame as a mouse
//     drag turns it: paced to the screen as the editor draws, and unpaced, as fast as it can.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "course/new_course.h"
#include "preview/frame_motion.h"
#include "scratch_dir.h"
#include "synthetic_textures.h"
#include "test_courses.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/frame_memory.h"
#include "ui/main_window.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"

namespace {

struct Options {
  int width = 1920, height = 1080;
  int idle_seconds = 10;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2 ||
          options.width < 16 || options.height < 16 || options.width > 8192 ||
          options.height > 8192) {
        return false;
      }
    } else if (arg == "--idle" && i + 1 < argc) {
      options.idle_seconds = std::atoi(argv[++i]);
      if (options.idle_seconds < 0) return false;
    } else {
      return false;
    }
  }
  return true;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets the editor run untouched for a while; the share of one core it used meanwhile.
double IdleCpuPercent(int seconds) {
  QEventLoop settle;
  QTimer::singleShot(500, &settle, &QEventLoop::quit);  // the change itself is not idle
  settle.exec();
  const double cpu = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  QEventLoop idle;
  QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
  idle.exec();
  return 100 * (CpuSeconds() - cpu) / (wall.elapsed() / 1000.0);
}

const char* MotionName(kurvex::FrameMotion motion) {
  switch (motion) {
    case kurvex::FrameMotion::kAnimated:
      return "animated";
    case kurvex::FrameMotion::kMarker:
      return "only the marker cycles";
    default:
      return "still";
  }
}

double FramesPerSecond(kurvex::PreviewView& view, int milliseconds) {
  const qint64 first = view.frames_drawn();
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 50);
  return (view.frames_drawn() - first) / (clock.elapsed() / 1000.0);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer since_start;
  since_start.start();
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: editor_bench [--size WxH] [--idle SECONDS]\n");
    return 2;
  }
  kurvex::KeepFrameMemory();  // as the editor does
  QSurfaceFormat::setDefaultFormat(kurvex::PreviewView::SurfaceFormat());
  QApplication application(argc, argv);
  const kurvex::test::ScratchDir config;
  kurvex::EditorSession session;
  kurvex::QtDialogs dialogs;
  kurvex::MainWindow window(session, dialogs, QString::fromStdString(config.path()),
                            QString::fromStdString(config.Path("cache")));
  kurvex::PreviewView& view = window.preview().view();

  qint64 start_ms = -1;
  QObject::connect(&view, &kurvex::PreviewView::frameDrawn, [&] {
    if (start_ms < 0) start_ms = since_start.elapsed();
  });
  window.Start();
  while (start_ms < 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  std::printf("start to first preview frame: %lld ms\n", static_cast<long long>(start_ms));

  if (options.idle_seconds > 0) {
    kurvex::Course animated = kurvex::test::SeededRingCourse(39, 7);
    animated.Points[20].TrackCode = kurvex::kNoTrackCode;  // a red blinker
    const auto report = [&](const char* what) {
      const double percent = IdleCpuPercent(options.idle_seconds);
      std::printf("idle, %s (%s), preview %dx%d%s: %.1f %% of a core\n", what,
                  MotionName(kurvex::MotionOf(session.document().course(), session.graphics(),
                                              session.course_loaded())),
                  view.width(), view.height(), view.isExposed() ? "" : " hidden", percent);
    };
    session.document().Replace(animated);
    report("39-point course");
    session.document().Replace(kurvex::NewCourse());
    report("new course");
    session.document().Replace(animated);
    window.window_action(kurvex::kWindowPreview).trigger();  // hidden
    report("39-point course");
    window.window_action(kurvex::kWindowPreview).trigger();
  }

  kurvex::TextureStore store = kurvex::test::MakeSyntheticTextureStore();
  session.textures().Swap(store);
  session.TexturesLoaded();
  session.document().Replace(kurvex::test::FullFeatureCourse());
  session.RestoreCamera({});
  window.preview().resize(options.width, options.height);
  for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 50);

  QObject::connect(&view, &kurvex::PreviewView::frameDrawn, [&] {
    session.MoveCamera([](kurvex::Camera& camera) {
      camera.Turn(0.5, 0);  // the view dragged round, one step a frame
      return true;
    });
  });
  const double paced = FramesPerSecond(view, 3000);
  view.SetUnpaced(true);
  const double unpaced = FramesPerSecond(view, 3000);
  std::printf(
      "preview at %dx%d, 64 points, everything on: %.0f fps paced to the screen, "
      "%.0f fps unpaced\n",
      view.width(), view.height(), paced, unpaced);
  return 0;
}
