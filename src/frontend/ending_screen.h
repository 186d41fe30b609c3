#pragma once
// The ending after the last campaign map: six pictures paced by the ending music,
// the staff list scrolling over them, then a closing blind to black.
#include "frontend/front_host.h"

class EndingScreen {
 public:
  explicit EndingScreen(FrontHost& host);
  static constexpr int kIntervalMs = 116;
  // One timer event; false once the blind has closed.
  bool Timer();
  int SectionsShown() const { return shown_; }
  int ListY() const { return listY_; }

 private:
  void Compose();
  FrontHost& host_;
  int64_t sectionStart_[6] = {};
  int shown_ = 0;
  int listY_ = -420;
  std::string picture_ = "Ending00.bmp", list_ = "Stuff_list.bmp";
  int64_t quietSince_ = -1;
  int blind_ = -1;  // rows closed in each band, once closing
};
