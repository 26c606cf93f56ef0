// Actions: named operations that buttons, keys and code run alike.
#pragma once
#include "platform/Controls.h"

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  TNotifyEvent OnExecute;
  // Runs OnExecute with the action as sender; false when there is none.
  virtual bool Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
  }
};

class TAction : public TBasicAction {
 public:
  explicit TAction(TComponent* owner) : TBasicAction(owner) {}
  std::string Caption;
};

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* owner) : TComponent(owner) {}
};
