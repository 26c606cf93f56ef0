#include "platform/HeadlessBackend.h"

#include <algorithm>
#include <cstring>

#include "platform/Mmsystem.h"
#include "platform/Termination.h"

struct BackendCursor {
  int hotX, hotY, width, height;
};

std::unique_ptr<Backend> CreateDefaultBackend() { return std::make_unique<HeadlessBackend>(); }

HeadlessBackend& Headless() {
  if (auto* h = dynamic_cast<HeadlessBackend*>(&CurrentBackend())) return *h;
  InstallBackend(std::make_unique<HeadlessBackend>());
  return static_cast<HeadlessBackend&>(CurrentBackend());
}

HeadlessBackend::HeadlessBackend() { shown_.SetPixelFormat(pf32bit); }
HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::Reset() {
  shown_.SetHeight(0);
  presentCount_ = 0;
  title_.clear();
  bringToFrontCount_ = 0;
  sleeps_.clear();
  duringSleep_ = nullptr;
  counterReadCostUs_ = 0;
  events_.clear();
  steps_.clear();
  terminations_.clear();
  ForgetTerminationRequest();
  mouseCaptured_ = false;
  cursor_ = nullptr;
  cursorVisible_ = true;
  sounds_.clear();
  music_.clear();
  beeps_.clear();
  microphone_ = true;
  capturing_ = false;
  signal_ = nullptr;
  boxes_.clear();
  urls_.clear();
  presentHook_ = nullptr;
}

void HeadlessBackend::Present(const TBitmap& screen, const std::vector<TRect>& dirty) {
  if (shown_.Width() != screen.Width() || shown_.Height() != screen.Height()) {
    shown_.Assign(&screen);
  } else {
    for (const TRect& r : dirty)
      for (int y = r.top; y < r.bottom; ++y)
        std::memcpy(shown_.ScanLine(y) + 4 * r.left, screen.ScanLine(y) + 4 * r.left, std::size_t(4 * r.Width()));
  }
  ++presentCount_;
  if (presentHook_) presentHook_();
}

void HeadlessBackend::Pass(std::int64_t us) {
  std::int64_t to = nowUs_ + us;
  if (TerminationRequested()) return;  // the wait ends at once
  if (!terminations_.empty() && terminations_.front() < to) to = std::max(nowUs_, terminations_.front());
  nowUs_ = to;
  while (!terminations_.empty() && terminations_.front() <= nowUs_) {
    terminations_.pop_front();
    RequestTermination();
  }
}

bool HeadlessBackend::PollEvent(InputEvent& event) {
  Pass(0);
  if (events_.empty() || events_.front().atUs > nowUs_) return false;
  event = events_.front().event;
  events_.pop_front();
  idleSinceUs_ = nowUs_;
  return true;
}

void HeadlessBackend::WaitEvent(int timeoutMs) {
  Pass(0);
  if (TerminationRequested()) return;
  if (!events_.empty() && events_.front().atUs <= nowUs_) return;
  if (!steps_.empty()) {
    auto step = std::move(steps_.front());
    steps_.pop_front();
    idleSinceUs_ = nowUs_;
    step();
    return;
  }
  std::int64_t limitUs = timeoutMs < 0 ? -1 : nowUs_ + std::int64_t(timeoutMs) * 1000;
  // A signal due first ends the wait.
  if (const std::int64_t t = NextTerminationUs(); t >= 0 && (limitUs < 0 || t < limitUs) &&
                                                   (events_.empty() || t < events_.front().atUs)) {
    Pass(t - nowUs_);
    return;
  }
  if (!events_.empty() && (limitUs < 0 || events_.front().atUs <= limitUs)) {
    nowUs_ = std::max(nowUs_, events_.front().atUs);
    return;
  }
  // Nothing scripted is left: only timers can move the program on, and not forever.
  if (limitUs < 0 || nowUs_ - idleSinceUs_ > std::int64_t(30) * 60 * 1000000)
    throw HeadlessStall("the program waits for input and the test has given none");
  nowUs_ = limitUs;
}

void HeadlessBackend::Sleep(unsigned ms) {
  sleeps_.push_back(ms);
  if (duringSleep_) duringSleep_();
  Pass(std::int64_t(ms) * 1000);
}

void HeadlessBackend::Post(const InputEvent& e, std::int64_t delayMs) {
  Timed t{nowUs_ + delayMs * 1000, e};
  // Keep the list in time order; equal times keep the order they were given in.
  auto it = std::upper_bound(events_.begin(), events_.end(), t.atUs, [](std::int64_t at, const Timed& x) { return at < x.atUs; });
  events_.insert(it, t);
  if (e.kind == InputEvent::MouseMove || e.kind == InputEvent::MouseDown || e.kind == InputEvent::MouseUp) {
    lastX_ = e.x;
    lastY_ = e.y;
  }
}

void HeadlessBackend::MouseMove(int x, int y, std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::MouseMove;
  e.x = x;
  e.y = y;
  Post(e, delayMs);
}

void HeadlessBackend::MouseDown(int x, int y, int button, int clicks, std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::MouseDown;
  e.x = x;
  e.y = y;
  e.button = button;
  e.clicks = clicks;
  Post(e, delayMs);
}

void HeadlessBackend::MouseUp(int x, int y, int button, std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::MouseUp;
  e.x = x;
  e.y = y;
  e.button = button;
  Post(e, delayMs);
}

void HeadlessBackend::Click(int x, int y, int button, std::int64_t delayMs) {
  MouseMove(x, y, delayMs);
  MouseDown(x, y, button, 1, delayMs);
  MouseUp(x, y, button, delayMs);
}

void HeadlessBackend::DoubleClick(int x, int y, std::int64_t delayMs) {
  MouseMove(x, y, delayMs);
  MouseDown(x, y, 1, 1, delayMs);
  MouseUp(x, y, 1, delayMs);
  MouseDown(x, y, 1, 2, delayMs);
  MouseUp(x, y, 1, delayMs);
}

void HeadlessBackend::Wheel(int x, int y, int notches, std::int64_t delayMs) {
  MouseMove(x, y, delayMs);
  InputEvent e;
  e.kind = InputEvent::MouseWheel;
  e.x = x;
  e.y = y;
  e.wheel = notches;
  Post(e, delayMs);
}

void HeadlessBackend::KeyDown(int vk, int ch, std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::KeyDown;
  e.key = vk;
  e.ch = ch;
  Post(e, delayMs);
}

void HeadlessBackend::KeyUp(int vk, std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::KeyUp;
  e.key = vk;
  Post(e, delayMs);
}

void HeadlessBackend::Key(int vk, int ch, std::int64_t delayMs) {
  KeyDown(vk, ch, delayMs);
  KeyUp(vk, delayMs);
}

void HeadlessBackend::RequestClose(std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::CloseRequest;
  Post(e, delayMs);
}

void HeadlessBackend::Terminate(std::int64_t delayMs) {
  if (delayMs <= 0) {
    RequestTermination();
    return;
  }
  const std::int64_t at = nowUs_ + delayMs * 1000;
  terminations_.insert(std::upper_bound(terminations_.begin(), terminations_.end(), at), at);
}

void HeadlessBackend::LoseFocus(std::int64_t delayMs) {
  InputEvent e;
  e.kind = InputEvent::FocusLost;
  Post(e, delayMs);
}

void HeadlessBackend::ClearScript() {
  events_.clear();
  steps_.clear();
  presentHook_ = nullptr;
}

BackendCursor* HeadlessBackend::CreateCursor(const TBitmap& colour, const TBitmap&, int hotX, int hotY) {
  return new BackendCursor{hotX, hotY, colour.Width(), colour.Height()};
}

void HeadlessBackend::FreeCursor(BackendCursor* cursor) {
  if (cursor_ == cursor) cursor_ = nullptr;
  delete cursor;
}

bool HeadlessBackend::PlaySound(const std::string& name, const std::vector<std::uint8_t>& wave, bool sync) {
  int ms = WaveDurationMs(wave);
  if (ms < 0) return false;
  sounds_.push_back(SoundEntry{name, sync, NowMs(), ms});
  if (sync) Pass(std::int64_t(ms) * 1000);
  return true;
}

void HeadlessBackend::StopSound() {
  if (!sounds_.empty()) {
    SoundEntry& last = sounds_.back();
    std::int64_t played = NowMs() - last.startMs;
    if (played < last.durationMs) last.durationMs = int(std::max<std::int64_t>(played, 0));
  }
}

bool HeadlessBackend::SoundPlayingNow() const {
  return !sounds_.empty() && NowMs() < sounds_.back().startMs + sounds_.back().durationMs;
}

bool HeadlessBackend::PlayMusic(const std::string& name, std::vector<std::uint8_t> wave) {
  if (WaveDurationMs(wave) < 0) return false;
  music_ = name;
  return true;
}

void HeadlessBackend::StopMusic() { music_.clear(); }

bool HeadlessBackend::OpenCapture() {
  if (!microphone_) return false;
  capturing_ = true;
  captureStartUs_ = nowUs_;
  captureRead_ = 0;
  return true;
}

void HeadlessBackend::ReadCapture(std::vector<std::int16_t>& append) {
  if (!capturing_) return;
  std::int64_t available = (nowUs_ - captureStartUs_) * kRecordRate / 1000000;
  for (; captureRead_ < available; ++captureRead_) append.push_back(signal_ ? signal_(captureRead_) : 0);
}

void HeadlessBackend::CloseCapture() { capturing_ = false; }

void HeadlessBackend::MessageBox(const std::string& text, const std::string& caption) {
  boxes_.push_back(MessageBoxEntry{text, caption});
}

bool HeadlessBackend::OpenUrl(const std::string& url) {
  urls_.push_back(url);
  return true;
}
