// TComponent: a named persistent object with an owner. An owner owns the
// components created with it (new T(owner)) and destroys them with itself; a
// component without owner belongs to whoever created it (hold it in a
// std::unique_ptr).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persist/ComponentNameIndex.h"
#include "persist/Persistent.h"

namespace kel {

class TReader;
class TWriter;

KEL_ENUM(TComponentState,
         csLoading,
         csReading,
         csWriting,
         csDestroying,
         csDesigning,
         csAncestor,
         csUpdating,
         csFixups,
         csFreeNotification,
         csInline,
         csDesignInstance)
KEL_ENUM(TComponentStyle, csInheritable, csCheckPropAvail, csSubComponent, csTransient)
using TComponentStates = TSet<TComponentState>;
using TComponentStyles = TSet<TComponentStyle>;

enum TOperation : uint8_t { opInsert, opRemove };

// Called once per child that a component hands to the writer.
using TGetChildProc = std::function<void(TComponent*)>;

// A component name: empty, or a letter or "_" followed by letters, decimal
// digits and "_" (letters and digits in the Unicode sense).
bool IsValidIdentifier(std::u16string_view name);

class TComponent : public TPersistent {
  KEL_CLASS(TComponent, TPersistent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::u16string& Name() const { return FName; }
  // Validates and stores the name (SetComponentName).
  void SetName(const std::u16string& name) { SetComponentName(name); }
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  TComponent* Owner() const { return FOwner; }
  TPersistent* GetOwner() override { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(index).get(); }
  // The owned component of that name, compared without regard to ASCII case;
  // null for the empty name or when there is none.
  TComponent* FindComponent(std::u16string_view name) const;
  // Takes ownership of a component that has no owner.
  void InsertComponent(std::unique_ptr<TComponent> component);
  // Gives up ownership of an owned component.
  std::unique_ptr<TComponent> RemoveComponent(TComponent* component);
  // Destroys the owned components, the last first. Descendants whose owned
  // components need the descendant's own state may call it in their destructor.
  void DestroyComponents();

  TComponentStates ComponentState() const { return FComponentState; }
  TComponentStyles ComponentStyle() const { return FComponentStyle; }
  // Marks this component as a sub-object of its owner: written inside the
  // owner's record as dotted properties instead of as a reference.
  void SetSubComponent(bool isSubComponent);
  // Low 16 bits: design "Left"; high 16 bits: design "Top".
  int32_t DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t designInfo) { FDesignInfo = designInfo; }

  void DefineProperties(TFiler& filer) override;

  // Persistence overridables.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual TComponent* ChildOwner() { return nullptr; }
  virtual TComponent* ChildParent() { return this; }
  virtual void SetParentComponent(TComponent* parent);
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual bool HasParent() const { return false; }
  virtual void SetChildPosition(TComponent* child, int position);
  virtual void LoadState(TReader& reader);
  virtual void SaveState(TWriter& writer);
  virtual void LoadFinished();

 protected:
  virtual void SetComponentName(const std::u16string& name);
  // Raises when a component owned by this one would get a name already taken.
  virtual void CheckRename(TComponent* component,
                           const std::u16string& currentName,
                           const std::u16string& newName);
  // Told when a component owned by this one is inserted or removed.
  virtual void Notification(TComponent* component, TOperation operation);

  void IncludeState(TComponentState state) { FComponentState.Include(state); }
  void ExcludeState(TComponentState state) { FComponentState.Exclude(state); }

 private:
  friend class TReader;
  friend class TWriter;

  void Insert(TComponent* component);
  TComponent* Remove(TComponent* component);  // releases without destroying
  void IndexAdd(TComponent* component) const;
  void IndexRemove(TComponent* component, const std::u16string& name) const;

  TComponent* FOwner = nullptr;
  std::u16string FName;
  int32_t FTag = 0;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  int32_t FDesignInfo = 0;
  TComponentStates FComponentState;
  TComponentStyles FComponentStyle{csInheritable};
  // The owned components by name, built on the first lookup by name, then
  // kept up to date (a hash index rather than a sorted list: same answers,
  // constant cost).
  mutable std::unique_ptr<TComponentNameIndex> FNameIndex;
};

}  // namespace kel
