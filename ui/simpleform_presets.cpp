// The preset manager: the two lists of the preset folder, applying the selected preset,
// "Save as" and "Delete".

#include <windows.h>

#include "settings/ascii_case.h"
#include "settings/engine_input_table.h"
#include "settings/player_paths.h"
#include "settings/preset_file.h"
#include "settings/shared_values.h"
#include "ui/preset_folder.h"
#include "ui/simpleform.h"

void TForm_s::RefreshPresetLists() {
    presetbox->ClearItems();
    ComboBox1->ClearItems();
    for (const std::string& name : PresetNamesIn(presetFolder)) {
        presetbox->AddItem(name);
        ComboBox1->AddItem(name);
    }
}

void TForm_s::presetboxDropDown(TObject*) { RefreshPresetLists(); }

void TForm_s::ComboBox1DropDown(TObject*) { RefreshPresetLists(); }

void TForm_s::presetboxSelect(TObject*) {
    ComboBox1->SetItemIndex(presetbox->ItemIndex());
    if (presetbox->ItemIndex() < 0) return;
    const std::string file = presetFolder + presetbox->SelectedText() + kPresetExtension;
    // A path cut to the limit would name another file, and its missing keys would zero
    // every slider. Refused, the name is no longer selected, and "Delete" has no file to remove.
    if (file.size() > kMaxPath) {
        presetbox->SetItemIndex(-1);
        ComboBox1->SetItemIndex(-1);
        currentPreset.clear();
        return;
    }
    currentPreset = file;
    const auto inputs = EngineInputTable();
    for (int index = 0; index < kSliderCount; ++index)
        trackBars_[index]->SetPosition(ReadPresetValue(currentPreset, inputs[index].key));
    for (const auto& [box, key] : PresetSwitches()) box->SetChecked(ReadPresetValue(currentPreset, key) != 0);
}

void TForm_s::ComboBox1Select(TObject*) {
    presetbox->SetItemIndex(ComboBox1->ItemIndex());
    presetboxSelect(presetbox);
}

void TForm_s::Button1Click(TObject*) {
    SaveDialog1->SetInitialDir(presetFolder);
    SaveAsChosen(SaveDialog1->Execute(Handle()));
}

void TForm_s::SaveAsChosen(bool confirmed) {
    const std::string& chosen = SaveDialog1->FileName();
    bool written = true;
    // A longer path would be cut into another file's name: nothing is written then.
    if (confirmed && chosen.size() <= kMaxPath) {
        currentPreset = chosen;
        for (const char* key : PresetKeys())
            written = written && WritePresetValue(currentPreset, key, GetEngineInput(inputs_, *FindEngineInput(key)));
    }
    RefreshPresetLists();
    // A file that did not take the settings in use holds others: selecting it would apply them.
    if (!written) return;
    for (int index = 0; index < presetbox->ItemCount(); ++index) {
        if (SameIgnoringAsciiCase(presetFolder + presetbox->Item(index) + kPresetExtension, chosen))
            presetbox->SetItemIndex(index);
    }
    presetboxSelect(presetbox);
}

void TForm_s::Button2Click(TObject*) {
    if (presetbox->ItemIndex() >= 0 &&
        ::MessageBoxA(Handle(), "Delete?", "Annoing?", MB_YESNO) == IDYES)
        ::DeleteFileA(currentPreset.c_str());
    presetbox->ClearItems();
}
