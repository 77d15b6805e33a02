// The control window's preset manager: the listing, applying, "Save as" without its dialog.

#include "tests/win/control_window_fixture.h"

#include "settings/preset_file.h"

namespace {

class WindowPresets : public ControlWindowTest {
protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        std::filesystem::create_directories(presetFolder);
        Show();
    }

    void Preset(const std::string& fileName, const std::string& text) { WriteText(presetFolder + fileName, text); }

    std::vector<std::string> Items(TComboBox* list) const {
        std::vector<std::string> items;
        for (int index = 0; index < list->ItemCount(); ++index) items.push_back(list->Item(index));
        return items;
    }

    void SaveAs(const std::string& name) {
        form->SaveDialog1->SetFileName(presetFolder + name + ".velora");
        form->SaveAsChosen(true);
    }
};

TEST_F(WindowPresets, ListsPresetFilesByNameInBothListsAndAppliesTheFileListed) {
    Preset("Rock.velora", "[Velora KDS preset]\r\nbassagc=11\r\n");
    Preset("Jazz.VELORA", "[Velora KDS preset]\r\nbassagc=22\r\n");
    Preset("a.velora.velora", "[Velora KDS preset]\r\nbassagc=33\r\nsoft=1\r\n");
    Preset("notes.txt", "");
    Preset("Rock.velora.bak", "");
    std::filesystem::create_directories(presetFolder + "folder.velora");
    form->ComboBox1DropDown(nullptr);
    const std::vector<std::string> expected = {"a.velora", "Jazz", "Rock"};
    EXPECT_EQ(Items(form->presetbox), expected);
    EXPECT_EQ(Items(form->ComboBox1), expected);

    form->presetbox->SetItemIndex(0);
    form->presetboxSelect(form->presetbox);
    EXPECT_EQ(currentPreset, presetFolder + "a.velora.velora");
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
    EXPECT_EQ(ReadInput(inputs.bassagc), 33);
    EXPECT_EQ(ReadInput(inputs.dry), 0) << "keys the file lacks read as 0";
    EXPECT_FALSE(ReadInput(inputs.stereoagc));
    EXPECT_TRUE(ReadInput(inputs.soft));

    form->ComboBox1->SetItemIndex(2);
    form->ComboBox1Select(form->ComboBox1);
    EXPECT_EQ(form->presetbox->ItemIndex(), 2);
    EXPECT_EQ(ReadInput(inputs.bassagc), 11);
}

TEST_F(WindowPresets, AMissingFolderIsCreatedAndListsNothing) {
    std::filesystem::remove_all(presetFolder);
    form->presetboxDropDown(nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(presetFolder));
    EXPECT_EQ(form->presetbox->ItemCount(), 0);
    EXPECT_EQ(form->ComboBox1->ItemCount(), 0);
}

TEST_F(WindowPresets, SaveAsWritesTheTwentyOneKeysSelectsAndKeepsForeignLines) {
    for (int number = 1; number <= kSliderCount; ++number) form->TrackBar(number)->SetPosition(number + 20);
    form->CheckBox_wf->SetChecked(true);
    Preset("Party.velora", "[Other]\r\nfoo=1\r\n[Velora KDS preset]\r\nbassagc=1\r\nextra=5\r\n");
    const std::vector<int32_t> values = InputValues();
    SaveAs("Party");

    std::string expected = "[Other]\r\nfoo=1\r\n[Velora KDS preset]\r\n";
    for (const char* key : PresetKeys())
        expected += std::string(key) + "=" + std::to_string(GetEngineInput(inputs, *FindEngineInput(key))) + "\r\n";
    expected.insert(expected.find("\r\n", expected.find("bassagc=")) + 2, "extra=5\r\n");
    EXPECT_EQ(ReadText(presetFolder + "Party.velora"), expected);
    EXPECT_EQ(form->presetbox->SelectedText() + form->ComboBox1->SelectedText(), "PartyParty");
    EXPECT_EQ(currentPreset, presetFolder + "Party.velora");
    EXPECT_EQ(InputValues(), values);

    const HANDLE holder = ::CreateFileA(currentPreset.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, 0);
    form->TrackBar(1)->SetPosition(7);
    SaveAs("Party");
    ::CloseHandle(holder);
    EXPECT_EQ(ReadInput(inputs.bassagc), 7) << "a file that cannot be written is not applied";
}

TEST_F(WindowPresets, PlaceholderItemsAndNamesTooLongForAPathSelectNothingAndChangeNothing) {
    ASSERT_EQ(Items(form->ComboBox1), (std::vector<std::string>{"1", "2", "3", "4"}));
    ASSERT_EQ(form->presetbox->ItemCount(), 0) << "emptied at every show";
    const std::vector<int32_t> values = InputValues();
    form->ComboBox1->SetItemIndex(0);
    form->ComboBox1Select(form->ComboBox1);
    EXPECT_EQ(form->presetbox->ItemIndex(), -1);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), -1);

    SaveAs(std::string(300, 'x'));
    EXPECT_EQ(form->presetbox->ItemCount(), 0);
    currentPreset = presetFolder + "Rock.velora";
    form->presetbox->AddItem(std::string(260, 'y'));
    form->presetbox->SetItemIndex(0);
    form->presetboxSelect(form->presetbox);
    EXPECT_EQ(InputValues(), values);
    EXPECT_EQ(form->presetbox->ItemIndex(), -1) << "\"Delete\" would remove the preset applied before";
    EXPECT_TRUE(currentPreset.empty());
}

TEST_F(WindowPresets, ApplyingLeavesInvertedTheScopeSettingsThePageAndThePositionAlone) {
    Preset("Rock.velora", "[Velora KDS preset]\r\nbassagc=11\r\ninverted=0\r\ntimer=4\r\ndelay=300\r\n"
                          "page=0\r\nx=1\r\ny=1\r\nautodetect=0\r\n");
    form->CheckBox_i->SetChecked(true);
    form->TrackBar_t->SetPosition(60);
    Turn(false);
    form->SetBounds(50, 60, form->Width(), form->Height());
    form->presetboxDropDown(nullptr);
    form->presetbox->SetItemIndex(form->presetbox->IndexOf("Rock"));
    form->presetboxSelect(form->presetbox);
    EXPECT_EQ(ReadInput(inputs.bassagc), 11);
    EXPECT_TRUE(ReadInput(inputs.inverted));
    EXPECT_EQ((std::vector<int>{form->refreshRate, form->scopeDelay, form->autoDetect, form->wheel.pageIndex,
                                form->Left(), form->Top()}),
              (std::vector<int>{60, 1000, 1, 1, 50, 60}));
}

}  // namespace
