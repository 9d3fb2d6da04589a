#include "ui/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace kurvex {

QString FindHelpPage(const QString& program_dir) {
  // KURVEX_HELP_DIR_FROM_PROGRAM comes from the build: the install layout's data folder, seen
  // from its bin folder.
  const QDir dir(program_dir);
  for (const QString& folder :
       {QStringLiteral("help"), QStringLiteral(KURVEX_HELP_DIR_FROM_PROGRAM)}) {
    const QString page = QDir::cleanPath(dir.filePath(folder + "/Contents.html"));
    if (QFileInfo(page).isFile()) return page;
  }
  return {};
}

}  // namespace kurvex
