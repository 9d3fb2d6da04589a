#include "preview/comet_gl.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "preview/view_projection.h"

namespace kurvex {

namespace {

GLfloat Unit(int component) { return static_cast<GLfloat>(component) / 255.0f; }

// Rounds as the viewport's integer conversion does: to nearest, halves to even.
GLint ToInt(double value) { return static_cast<GLint>(std::nearbyint(value)); }

void LightColour(int n, GLenum parameter, int r, int g, int b, int a) {
  const GLfloat colour[4] = {Unit(r), Unit(g), Unit(b), Unit(a)};
  glLightfv(GL_LIGHT0 + n, parameter, colour);
}

GLenum FaceOf(int face) {
  switch (face) {
    case 1:
      return GL_FRONT;
    case 2:
      return GL_BACK;
    case 3:
      return GL_FRONT_AND_BACK;
    default:
      return 0;
  }
}

GLenum PolygonModeOf(int mode) {
  switch (mode) {
    case 1:
      return GL_FILL;
    case 2:
      return GL_LINE;
    case 3:
      return GL_POINT;
    default:
      return 0;
  }
}

}  // namespace

bool CometGL::Initialize(int width, int height) {
  if (glGetString(GL_VERSION) == nullptr) return false;
  Viewport(0, 0, width, height, kNearPlane, kFarPlane, kFieldOfView);
  glClearColor(0, 0, 0, 0);
  glClearDepth(1.0);
  glDepthFunc(GL_LEQUAL);
  glShadeModel(GL_SMOOTH);
  glHint(GL_FOG_HINT, GL_NICEST);
  for (int light = 0; light < 8; ++light) glDisable(GL_LIGHT0 + light);
  return true;
}

int32_t CometGL::DisplayListBegin() {
  const GLuint name = glGenLists(1);
  glNewList(name, GL_COMPILE);
  return static_cast<int32_t>(name);
}

void CometGL::DisplayListEnd() { glEndList(); }

void CometGL::DisplayListDelete(int32_t name) { glDeleteLists(static_cast<GLuint>(name), 1); }

void CometGL::DisplayListCall(int32_t name) { glCallList(static_cast<GLuint>(name)); }

void CometGL::DrawSubTriangleStrip() { glBegin(GL_TRIANGLE_STRIP); }

void CometGL::DrawSubLines(float line_width) {
  glLineWidth(line_width);
  glBegin(GL_LINES);
}

void CometGL::DrawSubLineLoop(float line_width) {
  glLineWidth(line_width);
  glBegin(GL_LINE_LOOP);
}

void CometGL::DrawSubPoints(float point_width) {
  glPointSize(point_width);
  glBegin(GL_POINTS);
}

void CometGL::EndSub() { glEnd(); }

void CometGL::Vertex(double x, double y, double z) {
  glVertex3f(static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z));
}

void CometGL::Cull(int16_t faces) {
  glEnable(GL_CULL_FACE);
  switch (faces) {
    case 0:
      glDisable(GL_CULL_FACE);
      break;
    case 1:
      glCullFace(GL_FRONT);
      break;
    case 2:
      glCullFace(GL_BACK);
      break;
    case 3:
      glCullFace(GL_FRONT_AND_BACK);
      break;
    default:
      break;
  }
}

void CometGL::DrawColor(int r, int g, int b, int a) {
  glColor4f(Unit(r), Unit(g), Unit(b), Unit(a));
}

void CometGL::PushMatrix() { glPushMatrix(); }

void CometGL::PopMatrix() { glPopMatrix(); }

void CometGL::Translate(double x, double y, double z) {
  glTranslatef(static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z));
}

void CometGL::Rotate(double degrees, double x, double y, double z) {
  // Reduced to single precision first, as the angles were always handed over.
  glRotated(static_cast<float>(degrees), static_cast<float>(x), static_cast<float>(y),
            static_cast<float>(z));
}

void CometGL::ScaleFactors(double x, double y, double z) { glScaled(x, y, z); }

void CometGL::FogEnable(double start, double end, int r, int g, int b) {
  glFogi(GL_FOG_MODE, GL_LINEAR);
  const GLfloat colour[4] = {Unit(r), Unit(g), Unit(b), 1.0f};
  glFogfv(GL_FOG_COLOR, colour);
  glFogf(GL_FOG_START, static_cast<GLfloat>(start));
  glFogf(GL_FOG_END, static_cast<GLfloat>(end));
  glEnable(GL_FOG);
}

void CometGL::FogDisable() { glDisable(GL_FOG); }
void CometGL::LightsOn() { glEnable(GL_LIGHTING); }
void CometGL::LightsOff() { glDisable(GL_LIGHTING); }
void CometGL::LightOn(int light_num) { glEnable(GL_LIGHT0 + light_num); }
void CometGL::LightOff(int light_num) { glDisable(GL_LIGHT0 + light_num); }

void CometGL::LightAmbient(int n, int r, int g, int b, int a) {
  LightColour(n, GL_AMBIENT, r, g, b, a);
}

void CometGL::LightDiffuse(int n, int r, int g, int b, int a) {
  LightColour(n, GL_DIFFUSE, r, g, b, a);
}

void CometGL::LightSpecular(int n, int r, int g, int b, int a) {
  LightColour(n, GL_SPECULAR, r, g, b, a);
}

void CometGL::LightPos(int n, double x, double y, double z) {
  const GLfloat position[4] = {static_cast<GLfloat>(x), static_cast<GLfloat>(y),
                               static_cast<GLfloat>(z), 1.0f};
  glLightfv(GL_LIGHT0 + n, GL_POSITION, position);
}

void CometGL::Normal(double x, double y, double z) { glNormal3d(x, y, z); }

void CometGL::PolygonMode(int face, int mode) {
  const GLenum gl_face = FaceOf(face);
  const GLenum gl_mode = PolygonModeOf(mode);
  // GL would refuse the call without effect; skipping it spares the error flag.
  if (gl_face == 0 || gl_mode == 0) return;
  glPolygonMode(gl_face, gl_mode);
}

void CometGL::Clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void CometGL::ClearColor(int r, int g, int b) { glClearColor(Unit(r), Unit(g), Unit(b), 1.0f); }

void CometGL::Finish() { glFinish(); }

void CometGL::Viewport(double x, double y, double width, double height, double near_plane,
                       double far_plane, double fovy) {
  // The aspect ratio needs a height: a window shrunk to nothing keeps its last projection.
  if (!(width > 0) || !(height > 0)) return;
  glViewport(ToInt(x), ToInt(y), ToInt(width), ToInt(height));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(fovy, width / height, near_plane, far_plane);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void CometGL::ViewportOrtho(double x, double y, double width, double height) {
  glViewport(ToInt(x), ToInt(y), ToInt(width), ToInt(height));
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0, width, 0, height);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void CometGL::DepthTestEnable() { glEnable(GL_DEPTH_TEST); }
void CometGL::DepthTestDisable() { glDisable(GL_DEPTH_TEST); }

void CometGL::BlendingEnable() {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
}

void CometGL::BlendingDisable() { glDisable(GL_BLEND); }

void CometGL::SmoothingEnable() {
  glEnable(GL_POLYGON_SMOOTH);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  glEnable(GL_LINE_SMOOTH);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glEnable(GL_POINT_SMOOTH);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
}

void CometGL::SmoothingDisable() {
  glDisable(GL_POLYGON_SMOOTH);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_POINT_SMOOTH);
}

}  // namespace kurvex
