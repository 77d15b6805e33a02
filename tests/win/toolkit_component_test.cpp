#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/events.h"

namespace {

// A component that records what happens to it.
class Recorder : public TComponent {
public:
    Recorder(TComponent* owner, std::vector<std::string>& log, std::string name)
        : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~Recorder() override { log_.push_back("free " + Name()); }

    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == reference) {
            log_.push_back(Name() + " drops " + component->Name());
            reference = nullptr;
        }
    }
    void Loaded() override {
        TComponent::Loaded();
        log_.push_back("loaded " + Name());
    }

    TComponent* reference = nullptr;

private:
    std::vector<std::string>& log_;
};

TEST(ToolkitComponent, OwnerFreesWhatItOwnsLastFirst) {
    // Each component's own destructor runs before it frees what it owns.
    std::vector<std::string> log;
    auto* form = new Recorder(nullptr, log, "form");
    new Recorder(form, log, "a");
    auto* b = new Recorder(form, log, "b");
    new Recorder(b, log, "b1");
    EXPECT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(form->FindComponent("b"), b);
    EXPECT_EQ(b->Owner(), form);
    delete form;
    EXPECT_EQ(log, (std::vector<std::string>{"free form", "free b", "free b1", "free a"}));
}

TEST(ToolkitComponent, FreeingOneTellsItsSiblingsAndLeavesTheOwnerConsistent) {
    std::vector<std::string> log;
    auto* form = new Recorder(nullptr, log, "form");
    auto* knob = new Recorder(form, log, "knob");
    auto* label = new Recorder(form, log, "label");
    auto* other = new Recorder(form, log, "other");
    knob->reference = label;
    other->reference = knob;
    delete label;
    EXPECT_EQ(knob->reference, nullptr);
    EXPECT_EQ(other->reference, knob);
    EXPECT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(form->FindComponent("label"), nullptr);
    log.clear();
    delete form;  // frees each remaining component exactly once
    EXPECT_EQ(log, (std::vector<std::string>{"free form", "free other", "free knob"}));
}

TEST(ToolkitComponent, LoadedRunsForEveryComponentThenTheOwner) {
    std::vector<std::string> log;
    Recorder form(nullptr, log, "form");
    new Recorder(&form, log, "a");
    new Recorder(&form, log, "b");
    form.BeginLoading();
    EXPECT_TRUE(form.Loading());
    EXPECT_TRUE(form.Components(1)->Loading());
    form.EndLoading();
    EXPECT_FALSE(form.Loading());
    EXPECT_FALSE(form.Components(0)->Loading());
    EXPECT_EQ(log, (std::vector<std::string>{"loaded a", "loaded b", "loaded form"}));
    log.clear();
}

struct Listener {
    std::vector<TObject*> senders;
    int last = 0;
    void Notify(TObject* sender) { senders.push_back(sender); }
    void Value(TObject*, int& value) { last = value++; }
};

TEST(ToolkitEvents, CalledOnlyWhenAssignedWithTheSenderFirst) {
    TNotifyEvent event;
    EXPECT_FALSE(event.Assigned());
    TObject sender;
    event(&sender);  // nothing to call
    Listener listener;
    event = TNotifyEvent(&listener, &Listener::Notify);
    EXPECT_TRUE(event.Assigned());
    event(&sender);
    EXPECT_EQ(listener.senders, std::vector<TObject*>{&sender});
    EXPECT_TRUE(event == TNotifyEvent(&listener, &Listener::Notify));
    Listener another;
    EXPECT_FALSE(event == TNotifyEvent(&another, &Listener::Notify));

    TEvent<TObject*, int&> inOut(&listener, &Listener::Value);
    int value = 41;
    inOut(&sender, value);
    EXPECT_EQ(listener.last, 41);
    EXPECT_EQ(value, 42);
}

}  // namespace
