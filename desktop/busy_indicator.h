// BusyIndicator: the wait animation while a server call runs: the busy
// cursor over the whole application and, when a window gave it a place, a
// small "please wait" sign painted at once (the call blocks the event loop).
// Starts and stops nest.
#pragma once

class QWidget;

namespace desk {

class BusyIndicator {
 public:
  // The sign shown while busy (hidden otherwise), or none.
  void SetSign(QWidget* sign);
  void Start();
  void Stop();
  int Depth() const { return depth_; }

 private:
  QWidget* sign_ = nullptr;
  int depth_ = 0;
};

}  // namespace desk
