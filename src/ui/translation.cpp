#include "ui/translation.h"

#include <QCoreApplication>

namespace kurvex {

namespace {

// One context for every text of the layers below.
constexpr char kContext[] = "kurvex";

std::string TranslatedLine(const std::string& text) { return Translated(text).toStdString(); }

}  // namespace

QString Translated(const std::string& text) {
  if (text.empty()) return QString();
  return QCoreApplication::translate(kContext, text.c_str());
}

Message Translated(const Message& message) {
  Message translated{TranslatedLine(message.title), {}};
  for (const std::string& line : message.lines) translated.lines.push_back(TranslatedLine(line));
  return translated;
}

}  // namespace kurvex
