#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) turned into a Qt signal, so
// that the editor ends in order from its event loop: the handler itself only writes the
// signal's number into a pipe, the one thing that is safe to do there.

#include <QObject>

class QSocketNotifier;

namespace kurvex {

class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  // Installs the handlers; one object per program. Destroying it restores the defaults.
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void received(int signal_number);

 private:
  void OnReadable();

  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kurvex
