#pragma once
// One control window per test, driving inputs of its own, with a fresh player folder: the
// settings file and the preset folder live in a scratch folder removed afterwards. The window is
// never made visible (hiding a window costs two seconds under wine without a window manager):
// the tests run its show and hide handlers and its timers' handlers themselves. Its
// notification-area icon never reaches the shell: the calls are recorded.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/engine_input_table.h"
#include "settings/ini_file.h"
#include "settings/shared_values.h"
#include "tests/win/shell_recorder.h"
#include "ui/simpleform.h"

class ControlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        folder = std::string(temp) + "velora-window-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(++serial) + "\\";
        std::filesystem::create_directories(folder + "plugins");
        settingsPath = folder + "winamp.ini";
        presetFolder = folder + "plugins\\Velora\\";
        currentPreset.clear();
        form = new TForm_s(inputs, Display(), stopping);
    }

    void TearDown() override {
        delete form;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // The window's show and hide as they run when it becomes visible or invisible. The delayed
    // reload after a show would find the window invisible and really show it: it is left out.
    void Show() {
        form->FormShow(form);
        form->Timer_show->SetEnabled(false);
    }
    void Hide() { form->FormHide(form); }
    // A fresh window on the same files and inputs, as at the next start of the player.
    void Restart() {
        delete form;
        form = new TForm_s(inputs, Display(), stopping);
    }

    void Turn(bool next) {
        next ? form->BitButton2Click(nullptr) : form->BitButton1Click(nullptr);
        for (int tick = 0; tick < kTurnTicks; ++tick) form->Timer_animTimer(nullptr);
    }

    std::vector<int32_t> InputValues() const {
        std::vector<int32_t> values;
        for (const EngineInputInfo& input : EngineInputTable()) values.push_back(GetEngineInput(inputs, input));
        return values;
    }

    static std::string ReadText(const std::string& path) { return ReadIniFile(path).value_or(""); }

    static void WriteText(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    static EngineDisplay& Display() {
        static EngineDisplay* display = new EngineDisplay();
        return *display;
    }

    ShellRecorder shell;
    std::string folder;
    EngineInputs inputs;
    std::atomic<bool> stopping{false};
    TForm_s* form = nullptr;
};
