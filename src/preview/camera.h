#pragma once
// The preview's free camera: position in preview units, three angles in degrees, and one step
// of the Camera window's twelve direction buttons, along the world axes or the camera's own.

#include <array>
#include <string>

namespace kurvex {

struct CameraValues {
  double x = 0, y = 20, z = 0;                    // preview units, each within -50..50
  double azimuth = 0, elevation = 270, skew = 0;  // degrees, 0 <= value < 360
  double coord_speed = 0.1;                       // preview units per step
  double ang_speed = 1.0;                         // degrees per step
  bool coord_hold = false, coord_relative = true;
  bool ang_hold = false, ang_relative = true;
};

constexpr double kCameraLimit = 50;

// The angles in radians, kept beside the degree values for the relative moves and turns.
struct CameraFrame {
  double azimuth = 0, elevation = 0, skew = 0;
  static CameraFrame Of(const CameraValues& values);
};

// Engaged buttons: position buttons 0 Y+, 1 Z-, 2 X-, 3 X+, 4 Z+, 5 Y-; angle buttons
// 0 azimuth+, 1 azimuth-, 2 skew+, 3 skew-, 4 elevation+, 5 elevation-.
struct CameraButtons {
  std::array<bool, 6> coord{};
  std::array<bool, 6> ang{};
};

class Camera {
 public:
  Camera() : frame_(CameraFrame::Of(values_)) {}
  explicit Camera(const CameraValues& values) : values_(values), frame_(CameraFrame::Of(values)) {}

  const CameraValues& values() const { return values_; }
  CameraValues& settings() { return values_; }

  // One tick of the move timer: returns which groups moved (position, angles).
  void Tick(const CameraButtons& buttons, bool* moved_position = nullptr,
            bool* moved_angles = nullptr);

  void MoveCoordsA(const CameraButtons& buttons);
  void MoveCoordsB(const CameraButtons& buttons);
  void MoveAngsA(const CameraButtons& buttons);
  void MoveAngsB(const CameraButtons& buttons);

  // The value boxes: the number the text starts with; positions clamped, angles wrapped into
  // 0..360 (their radian copies follow), speeds taken as they are. An empty text, and a
  // number that overflows or is not finite, change nothing and return false.
  enum Box {
    kBoxX,
    kBoxY,
    kBoxZ,
    kBoxAzimuth,
    kBoxElevation,
    kBoxSkew,
    kBoxCoordSpeed,
    kBoxAngSpeed
  };
  bool SetFromText(Box box, const std::string& text);
  // The same rules for a number from elsewhere (the settings file).
  bool SetValue(Box box, double value);
  double Value(Box box) const;
  // Every box's value through the box rules, as the settings file gives them; the options
  // (hold, relative) are taken as they are.
  void Restore(const CameraValues& values);

  // The preview's mouse: turns the view by degrees, and moves the eye along its own axes
  // (right, up, forward) in preview units, kept within reach.
  void Turn(double azimuth_degrees, double elevation_degrees);
  void MoveAlongView(double right, double up, double forward);

 private:
  CameraValues values_;
  CameraFrame frame_;
};

// An angle brought into 0 <= angle < 360.
double WrapDegrees(double degrees);

}  // namespace kurvex
