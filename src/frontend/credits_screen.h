#pragma once
// The credits: six pages, one every seven seconds, each opening like a blind and
// with its own sound; a click leaves.
#include "frontend/front_host.h"

class CreditsScreen {
 public:
  explicit CreditsScreen(FrontHost& host);
  int IntervalMs() const { return step_ < 10 ? 40 : 7000; }
  // One timer event; false after the last page's time is up.
  bool Timer();
  int Page() const { return page_; }

 private:
  FrontHost& host_;
  int page_ = 0;
  int step_ = 10;  // rows of the new page shown in each band (10: all)
};
