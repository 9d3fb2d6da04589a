// kurvex-cli: the editor's course jobs for scripts and batch work.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/command_line.h"
#include "course/version.h"

namespace kurvex::cli {

namespace {

struct Command {
  const char* name;
  int (*run)(const Args&);
  const char* summary;                // one line for the command list
  std::vector<const char*> synopsis;  // the usage lines, after "kurvex-cli "
  const char* details;                // lines of the description, each indented on output
  bool takes_course;                  // whether COURSE appears in the usage
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"new",
       RunNew,
       "Write the new course",
       {"new OUT"},
       "Writes the new course to OUT (.kurv or .txt).",
       false},
      {"convert",
       RunConvert,
       "Read a course and write it as a KURV file or track text",
       {"convert COURSE OUT"},
       "Reads COURSE and writes it to OUT (.kurv or .txt).",
       true},
      {"sheet",
       RunSheet,
       "Print the data sheet text of a course",
       {"sheet COURSE"},
       "Writes the data sheet text of COURSE to standard output\n"
       "(Windows-1252, CR LF, no final line break).",
       true},
      {"stats",
       RunStats,
       "Print the statistics of a course",
       {"stats COURSE"},
       "Prints the course statistics, one \"Label: value\" line each.",
       true},
      {"check",
       RunCheck,
       "List what keeps a course from loading in the game or the Expansion Kit",
       {"check COURSE [--json]"},
       "Prints one line per problem, \"point N: RULE: what is wrong; the limit\" (problems of\n"
       "the whole course without \"point N: \"), ROM rules first. --json prints one object\n"
       "instead: {\"rom_friendly\": BOOL, \"ek_friendly\": BOOL, \"problems\": [{\"rule\":\n"
       "RULE, \"point\": N or null, \"text\": TEXT}, ...]}.\n"
       "Rules of the game: rom-dash-plates, rom-jump-plates, rom-trap-fields, rom-widgets,\n"
       "rom-pit-center. Rules of the Expansion Kit: ek-dash-plates, ek-jump-plates,\n"
       "ek-trap-fields, ek-widgets, ek-course-length, ek-venue, ek-xz-range, ek-y-range,\n"
       "ek-whole-units, ek-width-sum, ek-banking, ek-pipe-features, ek-track-code,\n"
       "ek-narrow-zone, ek-chord-length.\n"
       "Exit status 0 when there is no problem, 1 when there is any (or the course cannot\n"
       "be read), 2 for a usage error.",
       true},
      {"friendly",
       RunFriendly,
       "Apply EK Friendly or ROM Friendly",
       {"friendly --ek|--rom COURSE OUT"},
       "Applies EK Friendly or ROM Friendly and writes OUT; what cannot be repaired is\n"
       "reported on standard error.",
       true},
      {"transform",
       RunTransform,
       "Move, turn, scale or centre a whole course",
       {"transform COURSE OUT [--translate X,Y,Z] [--rotate AZ,EL,SKEW]",
        "          [--scale F] [--scale-width] [--center]"},
       "Moves, turns, scales or centres the whole course (shown units, degrees), in the\n"
       "order given, and writes OUT. --scale-width scales the track widths too. Numbers are\n"
       "decimal (12, -0.5, 1e3); nan, inf and hexadecimal are refused.",
       true},
      {"rom-info",
       RunRomInfo,
       "Print the region, byte order and course names of a ROM image",
       {"rom-info ROM"},
       "Prints the region, the byte order and the name of every slot.",
       false},
      {"extract",
       RunExtract,
       "Write every course of a ROM image as a KURV file",
       {"extract ROM OUTDIR"},
       "Writes every slot as OUTDIR/01-Jack1.kurv .. 24-Joker6.kurv.",
       false},
      {"patch",
       RunPatch,
       "Copy a ROM image with courses encoded into its slots",
       {"patch IN OUT --slot SLOT=COURSE [--slot ...] [--checksum] [--partial]"},
       "Copies the ROM image IN to OUT with each COURSE encoded into its SLOT and the\n"
       "name, description, horizon and music tables re-packed; --checksum also writes\n"
       "the header checksum. IN is never changed.\n"
       "All or nothing: when any COURSE cannot be read or encoded, the failures are listed\n"
       "and nothing is written (exit status 1; an existing OUT stays as it was). With\n"
       "--partial the other slots are written, as the Patch to ROM window does, and the\n"
       "exit status is still 1. Texts cut to fit the ROM are notices (exit status 0).",
       true},
      {"checksum",
       RunChecksum,
       "Print or fix the header checksum of a ROM image",
       {"checksum ROM [--fix]"},
       "Prints the stored and the computed header checksum (CRC1, CRC2); exit status 1\n"
       "when they differ. --fix writes the computed values into ROM.",
       false},
      {"textures",
       RunTextures,
       "Write the game's textures as a dump or as PNG files",
       {"textures SOURCE OUT.tex", "textures SOURCE --png DIR"},
       "Reads every texture of the game from SOURCE (a ROM image or a texture dump) and\n"
       "writes a texture dump, or one PNG file per texture into DIR (created if needed).",
       false},
      {"render",
       RunRender,
       RenderAvailable() ? "Draw one preview frame of a course as a PNG picture"
                         : "Draw one preview frame (not available in this build)",
       {"render COURSE OUT.png [--size WxH] [--textures ROM|DUMP]",
        "       [--camera X,Y,Z,AZ,EL,SKEW] [--settings FILE] [--time SECONDS]"},
       "Draws one preview frame of COURSE without a window (EGL, Mesa surfaceless) and\n"
       "writes it as a PNG picture: 1280x720 unless --size says otherwise (at most 8192\n"
       "a side), untextured unless --textures names a ROM image or a texture dump, with\n"
       "the default graphics settings and camera unless --settings names an opts.cfg file\n"
       "(one that cannot be read is a notice, and the defaults are used); --camera gives\n"
       "the eye in preview units and degrees, --time the animation clock in seconds.",
       true},
      {"export-obj",
       RunExportObj,
       "Write what the preview draws of a course as a Wavefront OBJ model",
       {"export-obj COURSE OUT.obj [--textures ROM|DUMP] [--settings FILE]"},
       "Writes what the preview draws of COURSE (track surfaces, zones, plates, gates,\n"
       "decorations, structures, exteriors) as a Wavefront OBJ model with its material\n"
       "library OUT.mtl, one group per CTL point and part, in preview units (course units\n"
       "/ 1000, y up). With --textures (a ROM image or a texture dump) the textures it\n"
       "shows are written beside it as PNG files; --settings names an opts.cfg file whose\n"
       "graphics settings choose what is drawn.",
       true},
  };
  return commands;
}

const Command* FindCommand(const std::string& name) {
  const auto& commands = Commands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [&](const Command& c) { return name == c.name; });
  return found == commands.end() ? nullptr : &*found;
}

const char kCourseHelp[] =
    "COURSE is a KURV file (*.kurv), a track text file (*.txt) or a ROM slot ROMPATH@SLOT\n"
    "(SLOT 1..24 or a slot name without the blank, any case: Jack1, queen6).\n";

const char kExitHelp[] =
    "Exit status: 0 success (notices of what was read but not taken as written go to\n"
    "standard error), 1 the operation failed (the file, the reason and the message on\n"
    "standard error; an existing output file is left as it was), 2 usage error.\n";

std::string Indented(const std::string& text, const std::string& indent) {
  std::string out = indent;
  for (char c : text) {
    out += c;
    if (c == '\n') out += indent;
  }
  return out + "\n";
}

// "Usage: kurvex-cli ..."; a second form is aligned under the first, and a line that starts
// with blanks continues the line before it, under its arguments.
std::string SynopsisText(const Command& command) {
  const std::string first = "Usage: kurvex-cli ";
  const std::string other = "       kurvex-cli ";
  std::string text;
  for (size_t i = 0; i < command.synopsis.size(); ++i) {
    const std::string line = command.synopsis[i];
    if (i == 0) {
      text += first + line + "\n";
    } else if (line[0] == ' ') {
      text += std::string(first.size(), ' ') + line + "\n";
    } else {
      text += other + line + "\n";
    }
  }
  return text;
}

std::string CommandHelp(const Command& command) {
  std::string text = SynopsisText(command) + "\n" + Indented(command.details, "  ") + "\n";
  if (command.takes_course) text += kCourseHelp;
  return text + kExitHelp;
}

std::string OverallHelp() {
  std::string text = "Usage: kurvex-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
  for (const Command& command : Commands()) {
    std::string name = command.name;
    name.resize(12, ' ');
    text += "  " + name + command.summary + "\n";
  }
  return text + "\n" + kCourseHelp + kExitHelp +
         "\nkurvex-cli COMMAND --help shows a command's usage and details;\n"
         "kurvex-cli --version shows the version.\n";
}

std::string HelpHint(const std::string& command) {
  return command.empty() ? "See kurvex-cli --help.\n" : "See kurvex-cli " + command + " --help.\n";
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int UsageError(const std::string& command, const std::string& complaint) {
  const Command* found = FindCommand(command);
  std::fprintf(stderr, "kurvex-cli %s: %s\n%s%s", command.c_str(), complaint.c_str(),
               found ? SynopsisText(*found).c_str() : "", HelpHint(command).c_str());
  return kExitUsage;
}

int UnknownOption(const std::string& command, const std::string& option) {
  std::fprintf(stderr, "kurvex-cli %s: unknown option %s\n%s", command.c_str(), option.c_str(),
               HelpHint(command).c_str());
  return kExitUsage;
}

int Main(const Args& all) {
  if (all.empty()) {
    std::fputs(OverallHelp().c_str(), stderr);
    return kExitUsage;
  }
  const std::string& name = all[0];
  if (IsHelp(name) || name == "help") {
    const Command* command = all.size() > 1 ? FindCommand(all[1]) : nullptr;
    return PrintOutput(command ? CommandHelp(*command) : OverallHelp());
  }
  if (name == "--version") return PrintOutput(std::string("kurvex-cli ") + KurvexVersion() + "\n");
  const Command* command = FindCommand(name);
  if (!command) {
    std::fprintf(stderr, "kurvex-cli: %s %s\n%s", name.c_str(),
                 name[0] == '-' ? "is not an option" : "is not a command", HelpHint("").c_str());
    return kExitUsage;
  }
  const Args args(all.begin() + 1, all.end());
  if (std::any_of(args.begin(), args.end(), IsHelp)) return PrintOutput(CommandHelp(*command));
  return command->run(args);
}

}  // namespace kurvex::cli

int main(int argc, char** argv) {
  kurvex::cli::UseBinaryStandardStreams();
  return kurvex::cli::Main(kurvex::cli::CommandLineArguments(argc, argv));
}
