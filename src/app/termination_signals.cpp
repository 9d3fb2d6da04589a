#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace kurvex {

namespace {

constexpr int kHandled[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler reaches nothing but globals; this one is set once, before the handlers are
// installed, and only read by them.
volatile sig_atomic_t write_end = -1;

void OnSignal(int signal_number) {
  const int saved_errno = errno;
  const unsigned char byte = static_cast<unsigned char>(signal_number);
  // A full pipe already holds a request to end; nothing is lost by dropping this one.
  [[maybe_unused]] const ssize_t written = write(write_end, &byte, 1);
  errno = saved_errno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  write_end = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal_number : kHandled) sigaction(signal_number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  if (pipe_[0] < 0) return;
  for (int signal_number : kHandled) std::signal(signal_number, SIG_DFL);
  write_end = -1;
  close(pipe_[0]);
  close(pipe_[1]);
}

void TerminationSignals::OnReadable() {
  unsigned char bytes[16];
  const ssize_t count = read(pipe_[0], bytes, sizeof bytes);
  for (ssize_t i = 0; i < count; ++i) emit received(bytes[i]);
}

}  // namespace kurvex
