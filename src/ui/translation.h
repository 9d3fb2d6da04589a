#pragma once
// The one translation point for texts made below the windows (messages, undo step names,
// list entries): they reach the screen through here, so a translation covers them as it
// covers the windows' own tr() texts.

#include <QString>
#include <string>

#include "course/message.h"

namespace kurvex {

QString Translated(const std::string& text);
// Every line of the message, and its title.
Message Translated(const Message& message);

}  // namespace kurvex
