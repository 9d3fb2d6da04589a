#include "ui/command_runner.h"

#include <utility>

#include "editing/edit_result.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/translation.h"

namespace kurvex {

CommandRunner::CommandRunner(EditorSession& session, Dialogs& dialogs, QWidget* window,
                             QString caption)
    : session_(session), dialogs_(dialogs), window_(window), caption_(std::move(caption)) {}

bool CommandRunner::Guard(const std::function<void()>& command) {
  // What the command changed before it failed stays: the document keeps every step whole.
  try {
    command();
    return true;
  } catch (...) {
    Reply(kEditUnknownError);
    return false;
  }
}

bool CommandRunner::Reply(int16_t result) {
  const EditReply reply = ReplyTo(result);
  if (!reply.message.empty()) {
    const QString caption = reply.caption.empty() ? caption_ : Translated(reply.caption);
    dialogs_.ShowMessage(window_, MessageIcon::kExclamation, caption, reply.message);
  }
  return reply.done;
}

void CommandRunner::Run(const std::function<void()>& command) {
  Guard(command);
  session_.Reanimate();
}

void CommandRunner::RunOnCourse(const std::function<void()>& command) {
  Run([this, &command] {
    session_.document().FinishTyping();
    command();
  });
}

bool CommandRunner::Edit(const std::function<int16_t()>& edit) {
  int16_t result = kEditUnknownError;
  const bool done = Guard([&] { result = edit(); }) && Reply(result);
  session_.Reanimate();
  return done;
}

int16_t CommandRunner::Step(const std::function<int16_t()>& edit) {
  int16_t result = kEditUnknownError;
  if (Guard([&] { result = edit(); })) Reply(result);
  return result;
}

void CommandRunner::FinishTyping() {
  Guard([this] { session_.document().FinishTyping(); });
}

}  // namespace kurvex
