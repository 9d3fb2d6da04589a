// kurvex-cli: the editor's course jobs for scripts and batch work.
#include <cstdio>
#include <map>
#include <string>

#include "cli/cli.h"

namespace kurvex::cli {

namespace {

struct Command {
  int (*run)(const Args&);
  const char* usage;
};

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"new", {RunNew, "kurvex-cli new OUT\n  Writes the new course to OUT (.kurv or .txt).\n"}},
      {"convert",
       {RunConvert,
        "kurvex-cli convert COURSE OUT\n  Reads COURSE and writes it to OUT (.kurv or .txt).\n"}},
      {"sheet",
       {RunSheet,
        "kurvex-cli sheet COURSE\n  Writes the data sheet text of COURSE to standard output\n"
        "  (Windows-1252, CR LF, no final line break).\n"}},
      {"stats",
       {RunStats,
        "kurvex-cli stats COURSE\n"
        "  Prints the course statistics, one \"Label: value\" line each.\n"}},
      {"friendly",
       {RunFriendly,
        "kurvex-cli friendly --ek|--rom COURSE OUT\n"
        "  Applies EK Friendly or ROM Friendly and writes OUT; what cannot be repaired is\n"
        "  reported on standard error.\n"}},
      {"transform",
       {RunTransform,
        "kurvex-cli transform COURSE OUT [--translate X,Y,Z] [--rotate AZ,EL,SKEW]\n"
        "                    [--scale F] [--scale-width] [--center]\n"
        "  Moves, turns, scales or centres the whole course (shown units, degrees), in the\n"
        "  order given, and writes OUT. --scale-width scales the track widths too.\n"}},
      {"rom-info",
       {RunRomInfo,
        "kurvex-cli rom-info ROM\n"
        "  Prints the region, the byte order and the name of every slot.\n"}},
      {"extract",
       {RunExtract,
        "kurvex-cli extract ROM OUTDIR\n"
        "  Writes every slot as OUTDIR/01-Jack1.kurv .. 24-Joker6.kurv.\n"}},
      {"patch",
       {RunPatch,
        "kurvex-cli patch IN OUT --slot SLOT=COURSE [--slot ...] [--checksum]\n"
        "  Copies the ROM image IN to OUT with each COURSE encoded into its SLOT and the\n"
        "  name, description, horizon and music tables re-packed; --checksum also writes\n"
        "  the header checksum. IN is never changed. Slots that could not be patched are\n"
        "  listed on standard error and give exit status 1; the others are written.\n"}},
      {"checksum",
       {RunChecksum,
        "kurvex-cli checksum ROM [--fix]\n"
        "  Prints the stored and the computed header checksum (CRC1, CRC2); exit status 1\n"
        "  when they differ. --fix writes the computed values into ROM.\n"}},
      {"textures",
       {RunTextures,
        "kurvex-cli textures SOURCE OUT.tex\n"
        "kurvex-cli textures SOURCE --png DIR\n"
        "  Reads every texture of the game from SOURCE (a ROM image or a texture dump) and\n"
        "  writes a texture dump, or one PNG file per texture into DIR (created if needed).\n"}},
      {"render",
       {RunRender,
        "kurvex-cli render COURSE OUT.png [--size WxH] [--textures ROM|DUMP]\n"
        "    [--camera X,Y,Z,AZ,EL,SKEW] [--settings FILE] [--time SECONDS]\n"
        "  Draws one preview frame of COURSE without a window (EGL, Mesa surfaceless) and\n"
        "  writes it as a PNG picture: 1280x720 unless --size says otherwise, untextured\n"
        "  unless --textures names a ROM image or a texture dump, with the default graphics\n"
        "  settings and camera unless --settings names an opts.cfg file; --camera gives the\n"
        "  eye in preview units and degrees, --time the animation clock in seconds.\n"}},
      {"export-obj",
       {RunExportObj,
        "kurvex-cli export-obj COURSE OUT.obj [--textures ROM|DUMP] [--settings FILE]\n"
        "  Writes what the preview draws of COURSE (track surfaces, zones, plates, gates,\n"
        "  decorations, structures, exteriors) as a Wavefront OBJ model with its material\n"
        "  library OUT.mtl, one group per CTL point and part, in preview units (course units\n"
        "  / 1000, y up). With --textures (a ROM image or a texture dump) the textures it\n"
        "  shows are written beside it as PNG files; --settings names an opts.cfg file whose\n"
        "  graphics settings choose what is drawn.\n"}},
  };
  return commands;
}

const char kCourseHelp[] =
    "COURSE is a KURV file (*.kurv), a track text file (*.txt) or a ROM slot ROMPATH@SLOT\n"
    "(SLOT 1..24 or a slot name without the blank, any case: Jack1, queen6).\n"
    "Exit status: 0 success, 1 the operation failed (message on standard error),\n"
    "2 usage error.\n";

}  // namespace

std::string Usage(const std::string& command) {
  const auto found = Commands().find(command);
  if (found != Commands().end()) return std::string("Usage: ") + found->second.usage + kCourseHelp;
  std::string usage = "Usage: kurvex-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
  for (const auto& [name, entry] : Commands()) usage += std::string("  ") + entry.usage;
  usage += "\n";
  usage += kCourseHelp;
  usage += "kurvex-cli --help and kurvex-cli COMMAND --help print this usage.\n";
  return usage;
}

int Fail(const Message& message) {
  std::fprintf(stderr, "%s\n", message.Text().c_str());
  return kExitFailed;
}

int UsageError(const std::string& command, const std::string& complaint) {
  std::fprintf(stderr, "kurvex-cli %s: %s\n\n%s", command.c_str(), complaint.c_str(),
               Usage(command).c_str());
  return kExitUsage;
}

int Main(const Args& all) {
  if (all.empty()) {
    std::fputs(Usage("").c_str(), stderr);
    return kExitUsage;
  }
  const std::string& name = all[0];
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(Usage(all.size() > 1 ? all[1] : "").c_str(), stdout);
    return kExitOk;
  }
  const auto command = Commands().find(name);
  if (command == Commands().end()) return UsageError(name, "unknown command");
  const Args args(all.begin() + 1, all.end());
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::fputs(Usage(name).c_str(), stdout);
      return kExitOk;
    }
  }
  return command->second.run(args);
}

}  // namespace kurvex::cli

int main(int argc, char** argv) {
  return kurvex::cli::Main(kurvex::cli::Args(argv + 1, argv + argc));
}
