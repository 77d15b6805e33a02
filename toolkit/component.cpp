#include "toolkit/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* component : components_)
        if (component->Name() == name) return component;
    return nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // A copy: a component may free others while it handles the notice.
    const std::vector<TComponent*> components = components_;
    for (TComponent* each : components)
        if (each != component &&
            std::find(components_.begin(), components_.end(), each) != components_.end())
            each->Notification(component, operation);
}

void TComponent::BeginLoading() {
    loading_ = true;
    for (TComponent* component : components_) component->BeginLoading();
}

void TComponent::EndLoading() {
    const std::vector<TComponent*> components = components_;
    for (TComponent* component : components) component->EndLoading();
    Loaded();
}

void TComponent::Loaded() { loading_ = false; }

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor takes it out of the list
    }
}

void TComponent::InsertComponent(TComponent* component) {
    component->owner_ = this;
    components_.push_back(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, TOperation::opRemove);
    components_.erase(std::remove(components_.begin(), components_.end(), component),
                      components_.end());
    component->owner_ = nullptr;
}
