// Deferred method calls: a call is queued as a window message and runs when
// a message loop takes that message out, after the handler that posted it
// has returned.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <type_traits>

#include "platform/Forms.h"

// The message that carries a deferred call to the application's window.
constexpr UINT PostedCallMessage = WM_USER + 899;  // 1923

// A bound parameterless method: the object it is called on and the call.
// A call whose code is empty does nothing.
struct TDeferredCall {
  TObject* object = nullptr;
  std::function<void()> code;
};

template <class T>
TDeferredCall DeferredCall(T* object, void (T::*method)()) {
  TDeferredCall call;
  if constexpr (std::is_base_of_v<TObject, T>) call.object = object;
  if (object && method) call.code = [object, method] { (object->*method)(); };
  return call;
}

// One instance, made on first use and deleted when the program ends.
//
// A queued call must not outlive its object. When the object is a component,
// the call is tied to it: destroying the component before the message is
// taken out empties the call, so its message then does nothing. Calls bound
// to anything else rely on the caller keeping the object alive.
class CPostEventsHandling : public TCustomApplicationEvents {
 public:
  static CPostEventsHandling* Instance();
  ~CPostEventsHandling() override;

  // Queues the call on the application's window.
  void Post(const TDeferredCall& call);
  // The message hook: runs the call a PostedCallMessage carries and keeps the
  // message from every later hook and window; other messages pass untouched.
  void HandleMessage(TMsg& msg, bool& handled);

 private:
  class Tie;
  struct Pending {
    std::function<void()> code;
    Tie* tie = nullptr;
  };

  CPostEventsHandling();
  void Forget(WPARAM key);

  std::map<WPARAM, Pending> pending_;
  WPARAM nextKey_ = 1;
};
