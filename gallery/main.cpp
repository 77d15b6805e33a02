// velora-gallery: one window with every custom control, for looking at them and trying them.
//
//   velora-gallery [--ready-file PATH] [--exit-after MS]
//
// --ready-file writes PATH once the window has been up for a second and a half (the captions
// have animated and everything is painted), so a script knows when to take its screenshot;
// --exit-after ends the program after MS milliseconds.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gallery/gallery_form.h"
#include "toolkit/timer.h"

namespace {

constexpr unsigned kReadyDelay = 1500;

struct Options {
    std::string readyFile;
    unsigned exitAfter = 0;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--ready-file") == 0) options.readyFile = argv[i + 1];
        if (std::strcmp(argv[i], "--exit-after") == 0)
            options.exitAfter = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    return options;
}

// The one-shot timers of the command line.
class Schedule : public TComponent {
public:
    Schedule(TComponent* owner, const Options& options) : TComponent(owner), options_(options) {
        if (!options_.readyFile.empty()) Start(kReadyDelay, &Schedule::Ready);
        if (options_.exitAfter != 0) Start(options_.exitAfter, &Schedule::Exit);
    }

private:
    void Start(unsigned interval, void (Schedule::*handler)(TObject*)) {
        auto* timer = new TTimer(this);
        timer->SetInterval(interval);
        timer->OnTimer = TNotifyEvent(this, handler);
    }
    void Ready(TObject* sender) {
        static_cast<TTimer*>(sender)->SetEnabled(false);
        if (FILE* file = std::fopen(options_.readyFile.c_str(), "w")) {
            std::fputs("ready\n", file);
            std::fclose(file);
        }
    }
    void Exit(TObject*) { ::PostQuitMessage(0); }

    Options options_;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    auto* form = new TGalleryForm();
    new Schedule(form, options);
    form->Show();
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    delete form;
    return 0;
}
