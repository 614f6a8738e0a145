#ifndef TAVRUNE_TESTS_UI_FAKE_TIMER_H_
#define TAVRUNE_TESTS_UI_FAKE_TIMER_H_

#include "study/ui/slide_bar.h"

namespace tavrune::testing {

// A clock the test moves by hand: it records the period and whether it
// runs, and the test calls the bar's tick itself.
class FakeTimer : public SlideTimer {
 public:
  void Start(int period_ms) override {
    period = period_ms;
    running = true;
  }
  void Stop() override { running = false; }
  bool IsRunning() const override { return running; }
  int period = 0;
  bool running = false;
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_UI_FAKE_TIMER_H_
