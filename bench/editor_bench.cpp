// The editor's start and its preview's frame rate, measured on whatever display it is given
// (run it under xvfb-run for the figures in the README):
//   - start: from before the application object to the first preview frame;
//   - frames: a 64-point course with every feature, textures and every switch on, at 1280x720,
//     for three seconds while the view turns every frame as a mouse drag turns it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "scratch_dir.h"
#include "synthetic_textures.h"
#include "test_courses.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/frame_memory.h"
#include "ui/main_window.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"

int main(int argc, char** argv) {
  QElapsedTimer since_start;
  since_start.start();
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

  kurvex::TextureStore store = kurvex::test::MakeSyntheticTextureStore();
  session.textures().Swap(store);
  session.TexturesLoaded();
  session.document().Replace(kurvex::test::FullFeatureCourse());
  session.RestoreCamera({});
  window.preview().resize(1280, 720);
  for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 50);

  const qint64 first = view.frames_drawn();
  QElapsedTimer clock;
  clock.start();
  QObject::connect(&view, &kurvex::PreviewView::frameDrawn, [&] {
    session.MoveCamera([](kurvex::Camera& camera) {
      camera.Turn(0.5, 0);  // the view dragged round, one step a frame
      return true;
    });
  });
  while (clock.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  const double seconds = clock.elapsed() / 1000.0;
  const qint64 frames = view.frames_drawn() - first;
  std::printf("preview at %dx%d, 64 points, everything on: %lld frames in %.1f s = %.0f fps\n",
              view.width(), view.height(), static_cast<long long>(frames), seconds,
              frames / seconds);
  return 0;
}
