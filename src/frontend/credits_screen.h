#pragma once
// The credits: six pages, one every seven seconds, each opening like a blind and
// with its own sound; a click leaves.
#include "frontend/front_host.h"

class CreditsScreen {
 public:
  explicit CreditsScreen(FrontHost& host);
  // The blind's steps, then the rest of the page's seven seconds (the first page
  // shows at once, without a blind).
  int IntervalMs() const {
    if (step_ < 10) return kBlindStepMs;
    return page_ == 0 ? 7000 : 7000 - 10 * kBlindStepMs;
  }
  // One timer event; false after the last page's time is up.
  bool Timer();
  int Page() const { return page_; }

 private:
  static constexpr int kBlindStepMs = 40;
  FrontHost& host_;
  int page_ = 0;
  int step_ = 10;  // rows of the new page shown in each band (10: all)
};
