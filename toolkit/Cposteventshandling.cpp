#include "toolkit/Cposteventshandling.h"

#include <memory>

#include "platform/WinApi.h"

// Owned by the component a call is bound to: the component deletes it when it
// goes, and that empties the call.
class CPostEventsHandling::Tie : public TComponent {
 public:
  Tie(TComponent* owner, CPostEventsHandling* host, WPARAM key) : TComponent(owner), host_(host), key_(key) {}
  ~Tie() override {
    if (host_) host_->Forget(key_);
  }
  void Detach() { host_ = nullptr; }

 private:
  CPostEventsHandling* host_;
  WPARAM key_;
};

CPostEventsHandling* CPostEventsHandling::Instance() {
  // Made on first use, so after the application object, and so deleted before it at exit.
  static std::unique_ptr<CPostEventsHandling> instance;
  if (!instance) instance.reset(new CPostEventsHandling());
  return instance.get();
}

CPostEventsHandling::CPostEventsHandling() : TCustomApplicationEvents(nullptr) {}

CPostEventsHandling::~CPostEventsHandling() {
  OnMessage = nullptr;
  for (auto& [key, p] : pending_) {
    if (!p.tie) continue;
    p.tie->Detach();
    delete p.tie;
  }
  pending_.clear();
}

void CPostEventsHandling::Post(const TDeferredCall& call) {
  if (!OnMessage) OnMessage = [this](TMsg& msg, bool& handled) { HandleMessage(msg, handled); };
  const WPARAM key = nextKey_++;
  Pending& p = pending_[key];
  p.code = call.code;
  if (auto* component = dynamic_cast<TComponent*>(call.object); component && p.code)
    p.tie = new Tie(component, this, key);
  PostMessage(Application->Handle(), PostedCallMessage, key, LPARAM(call.object));
}

void CPostEventsHandling::Forget(WPARAM key) {
  auto it = pending_.find(key);
  if (it == pending_.end()) return;
  it->second.code = nullptr;
  it->second.tie = nullptr;
}

void CPostEventsHandling::HandleMessage(TMsg& msg, bool& handled) {
  if (msg.message != PostedCallMessage) return;
  std::function<void()> code;
  // A message carrying no call of ours does nothing.
  if (auto it = pending_.find(msg.wParam); it != pending_.end()) {
    code = std::move(it->second.code);
    Tie* tie = it->second.tie;
    pending_.erase(it);
    if (tie) {
      tie->Detach();
      delete tie;
    }
  }
  if (code) code();
  handled = true;
  CancelDispatch();
}
