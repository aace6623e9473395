// The change notification that every attribute object receives from its
// owner. It only asks the owner to repaint; loading and saving never depend
// on it.
#pragma once

#include <functional>
#include <utility>

namespace kel {

using TNotifyEvent = std::function<void()>;

// Holds the owner's notification and stores values so that only a real
// change notifies.
class TChangeNotifier {
 public:
  explicit TChangeNotifier(TNotifyEvent onChange = {}) : FOnChange(std::move(onChange)) {}

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent onChange) { FOnChange = std::move(onChange); }

 protected:
  void Changed() const {
    if (FOnChange) FOnChange();
  }
  // Stores value in field and notifies, unless the field already holds it.
  template <class T, class U>
  void SetAndNotify(T& field, U&& value) {
    if (field == value) return;
    field = std::forward<U>(value);
    Changed();
  }

 private:
  TNotifyEvent FOnChange;
};

}  // namespace kel
