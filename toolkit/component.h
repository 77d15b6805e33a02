#pragma once

#include <string>
#include <vector>

#include "toolkit/object.h"

enum class TOperation { opInsert, opRemove };

// A component belongs to an owner, which frees it in its own destructor. Components that hold
// plain references to others of the same owner learn of a removal through Notification.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_[index]; }
    TComponent* FindComponent(const std::string& name) const;

    // Told to every component of an owner when one of them is inserted or removed.
    virtual void Notification(TComponent* component, TOperation operation);

    // True while the owner applies the stored properties; ended by Loaded.
    bool Loading() const { return loading_; }
    void BeginLoading();
    // Runs the "loaded" step of every owned component, then of this one.
    void EndLoading();
    // Called once the stored properties have been applied.
    virtual void Loaded();

    bool Destroying() const { return destroying_; }

    // Frees every owned component, the last one first.
    void DestroyComponents();

protected:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
    bool destroying_ = false;
};
