#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/toolkit_test_support.h"
#include "toolkit/button.h"
#include "toolkit/form.h"

namespace {

// Records the form's events in order.
struct FormEvents {
    std::vector<std::string> log;
    bool allowClose = true;
    TCloseAction action = TCloseAction::caHide;
    HWND owner = nullptr;

    void Create(TObject*) { log.push_back("create"); }
    void Show(TObject*) {
        log.push_back(owner && !::IsWindowEnabled(owner) ? "show, owner disabled" : "show");
    }
    void Hide(TObject*) { log.push_back("hide"); }
    void CloseQuery(TObject*, bool& canClose) {
        log.push_back("close query");
        canClose = allowClose;
    }
    void Close(TObject*, TCloseAction& closeAction) {
        log.push_back("close");
        closeAction = action;
    }
    void Destroy(TObject*) { log.push_back("destroy"); }

    void Attach(TForm& form) {
        form.OnCreate = TNotifyEvent(this, &FormEvents::Create);
        form.OnShow = TNotifyEvent(this, &FormEvents::Show);
        form.OnHide = TNotifyEvent(this, &FormEvents::Hide);
        form.OnCloseQuery = TCloseQueryEvent(this, &FormEvents::CloseQuery);
        form.OnClose = TCloseEvent(this, &FormEvents::Close);
        form.OnDestroy = TNotifyEvent(this, &FormEvents::Destroy);
    }
};

TEST(ToolkitForm, CloseIsAskedThenHidesAndDestroyComesLast) {
    FormEvents events;
    auto* form = new TForm(nullptr);
    events.Attach(*form);
    form->BeginLoading();
    form->EndLoading();
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->SetBounds(60, 60, 200, 120);
    form->Show();
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));

    events.allowClose = false;
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form->Visible());
    events.allowClose = true;
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(::IsWindowVisible(form->Handle()));
    delete form;
    EXPECT_EQ(events.log, (std::vector<std::string>{"create", "show", "close query",
                                                     "close query", "close", "hide",
                                                     "destroy"}));
}

TEST(ToolkitForm, CloseActionFreeReleasesTheFormAfterwards) {
    FormEvents events;
    auto* form = new TForm(nullptr);
    events.Attach(*form);
    events.action = TCloseAction::caFree;
    form->Handle();
    form->Close();
    EXPECT_EQ(events.log.back(), "close");  // still alive while the request unwinds
    PumpMessages();
    EXPECT_EQ(events.log.back(), "destroy");
}

TEST(ToolkitForm, ModalDisplayDisablesTheOwnerUntilAButtonEndsIt) {
    TForm* owner = TestForm(clBtnFace);
    FormEvents events;
    events.owner = owner->Handle();
    auto* dialog = new TForm(nullptr);
    events.Attach(*dialog);
    dialog->SetParentWindow(owner->Handle());
    dialog->SetBounds(80, 80, 200, 120);
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog);
    ok->SetModalResult(mrOk);
    EXPECT_EQ(::GetWindow(dialog->Handle(), GW_OWNER), owner->Handle());

    ::PostMessageA(ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(::IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(events.log, (std::vector<std::string>{"show, owner disabled", "hide"}));
    delete dialog;
}

TEST(ToolkitForm, ASnappingFormSticksToTheWorkAreasEdgesAndKeepsItsSize) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.SetScreenSnap(true);
    form.Handle();
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    struct Move {
        int left, top, wantLeft, wantTop;
    } const moves[] = {
        {work.left + 6, 300, work.left, 300},
        {200, work.bottom - 125, 200, work.bottom - 120},
        {200, 300, 200, 300},
    };
    for (const Move& move : moves) {
        form.SetBounds(move.left, move.top, 200, 120);
        RECT placed = {};
        ::GetWindowRect(form.Handle(), &placed);
        EXPECT_EQ((std::vector<long>{placed.left, placed.top, placed.right - placed.left, form.Left(), form.Top()}),
                  (std::vector<long>{move.wantLeft, move.wantTop, 200, move.wantLeft, move.wantTop}));
    }
}

}  // namespace
