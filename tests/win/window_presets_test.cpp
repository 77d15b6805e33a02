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

    void Choose(const std::string& name) {
        form->presetboxDropDown(nullptr);
        form->presetbox->SetItemIndex(form->presetbox->IndexOf(name));
        form->presetboxSelect(form->presetbox);
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
    // Keys the file lacks read as 0.
    EXPECT_EQ(form->TrackBar(16)->Position(), 0);
    EXPECT_FALSE(form->CheckBox_stereo->Checked());
    EXPECT_TRUE(form->CheckBox_soft->Checked());

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

    std::vector<std::string> expected;
    for (const char* key : PresetKeys())
        expected.push_back(std::string(key) + "=" + std::to_string(GetEngineInput(inputs, *FindEngineInput(key))));
    expected.insert(expected.begin() + 1, "extra=5");
    EXPECT_EQ(SectionLines(presetFolder + "Party.velora", kPresetSection), expected);
    EXPECT_EQ(SectionLines(presetFolder + "Party.velora", "Other"), std::vector<std::string>{"foo=1"});
    EXPECT_EQ(form->presetbox->SelectedText(), "Party");
    EXPECT_EQ(form->ComboBox1->SelectedText(), "Party");
    EXPECT_EQ(currentPreset, presetFolder + "Party.velora");
    EXPECT_EQ(InputValues(), values);
}

TEST_F(WindowPresets, PlaceholderItemsSelectNothingAndChangeNothing) {
    ASSERT_EQ(Items(form->ComboBox1), (std::vector<std::string>{"1", "2", "3", "4"}));
    ASSERT_EQ(form->presetbox->ItemCount(), 0) << "emptied at every show";
    const std::vector<int32_t> values = InputValues();
    form->ComboBox1->SetItemIndex(0);
    form->ComboBox1Select(form->ComboBox1);
    EXPECT_EQ(form->presetbox->ItemIndex(), -1);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(InputValues(), values);
    EXPECT_TRUE(currentPreset.empty());
}

TEST_F(WindowPresets, ApplyingLeavesInvertedTheScopeSettingsThePageAndThePositionAlone) {
    Preset("Rock.velora", "[Velora KDS preset]\r\nbassagc=11\r\ninverted=0\r\ntimer=4\r\ndelay=300\r\n"
                          "page=0\r\nx=1\r\ny=1\r\nautodetect=0\r\n");
    form->CheckBox_i->SetChecked(true);
    form->TrackBar_t->SetPosition(60);
    Turn(false);
    form->SetBounds(50, 60, form->Width(), form->Height());
    Choose("Rock");
    EXPECT_EQ(ReadInput(inputs.bassagc), 11);
    EXPECT_TRUE(ReadInput(inputs.inverted));
    EXPECT_EQ(form->refreshRate, 60);
    EXPECT_EQ(form->scopeDelay, 1000);
    EXPECT_EQ(form->autoDetect, 1);
    EXPECT_EQ(form->wheel.pageIndex, 1);
    EXPECT_EQ(form->Left(), 50);
    EXPECT_EQ(form->Top(), 60);
}

TEST_F(WindowPresets, NamesTooLongForAPathChangeNothing) {
    const std::vector<int32_t> values = InputValues();
    SaveAs(std::string(300, 'x'));
    EXPECT_EQ(form->presetbox->ItemCount(), 0);
    form->presetbox->AddItem(std::string(260, 'y'));
    form->presetbox->SetItemIndex(0);
    form->presetboxSelect(form->presetbox);
    EXPECT_EQ(InputValues(), values);
    EXPECT_TRUE(currentPreset.empty());
}

}  // namespace
