#pragma once
// The course as a 3D model, as the preview draws it: track surfaces (and the red blinkers of
// spans without track when the settings show them), zones, plates, gates, decorations,
// structures and exteriors, in Wavefront OBJ with its MTL material library and, when textures
// are given, the pictures the model shows as PNG files beside it. Coordinates are those of the
// drawing: preview units (course units / 1000), y up. One group per CTL point and part
// ("span03_surface", "span03_no_track", "span03_zones", "span03_plates", "span03_models",
// "span03_exterior"); every triangle faces the way the preview shows it.

#include <cstdint>
#include <string>

#include "course/course.h"
#include "course/file_write.h"
#include "course/message.h"
#include "geometry/mesh_draw_target.h"
#include "preview/course_walk.h"
#include "preview/graphics_settings.h"
#include "rom/texture_store.h"

namespace kurvex {

enum ModelExportResult : int16_t {
  kModelExportUnknownError = -1,
  kModelExportOk = 0,
  kModelExportBadCourse = 1,    // the course has no drawable shape
  kModelExportWriteFailed = 2,  // a file could not be written
};

// The user message of a failure; detail is the reason the course or the file system gave.
Message ModelExportMessage(int16_t result, const std::string& detail);

// The group of a part of CTL point i: "span03_surface".
std::string ModelGroupName(int i, CoursePart part);

// Draws the course into the mesh as one preview frame at animation time 0 would, with the
// settings' switches; a geometry result code.
int16_t BuildCourseMesh(const Course& course, const GraphicsSettings& settings,
                        MeshDrawTarget& mesh);

// Writes obj_path, its material library (the same name ending in ".mtl") and, with textures,
// the PNG of every texture the model shows ("track-venue03-05.png", "model-12.png", ...), all
// in the OBJ's folder. Each file goes through a temporary file; the OBJ comes last, so that a
// failure never leaves an OBJ whose library or pictures are missing. When any of these files is
// one of the inputs, nothing is written.
int16_t ExportCourseModel(const Course& course, const TextureStore* textures,
                          const GraphicsSettings& settings, const std::string& obj_path,
                          std::string* detail, const InputFiles& inputs = {});

}  // namespace kurvex
