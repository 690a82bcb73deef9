#include "rules/options_dialog.h"

#include <algorithm>

#include "core/display_scale.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "rules/sound_effects.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/number_field.h"

namespace {

// The library's dialog manager, on the screen the dialogs draw to; without one there
// is nothing to show and the dialog counts as dismissed.
int LibraryDialog(DIALOG* items, int focus) {
  if (!gui_get_screen()) return -1;
  return do_dialog(items, focus);
}

struct CheckRow {
  const char* label;
  int key;
  int GameOptionsRecord::*field;
};

const CheckRow kChecks[kOptionsCheckCount] = {
    {"Multiple enemy turns", '1', &GameOptionsRecord::multiturn},
    {"Swap usual enemy locations", '2', &GameOptionsRecord::swapmonsters},
    {"Enemy white shield defence", '3', &GameOptionsRecord::altdice},
    {"Usual enemies have 1 life", '4', &GameOptionsRecord::enemy1life},
    {"Predefined hero walk value", '5', &GameOptionsRecord::fixedwalk},
    {"Pass other heroes", '6', &GameOptionsRecord::passheroes},
    {"Target other heroes", '7', &GameOptionsRecord::targetheroes},
    {"Move before and after action", '8', &GameOptionsRecord::skirmish},
};

// What the presets set: the enemy range, then the eight switches in the dialog's order.
struct PresetValues {
  int enemyrange;
  int checks[kOptionsCheckCount];
};
const PresetValues kPresets[2] = {
    {20, {1, 0, 0, 0, 1, 1, 0, 1}},  // DEFAULT
    {99, {0, 0, 0, 0, 0, 1, 1, 0}},  // CLASSIC
};

// Geometry: a framed box over the middle of the board; two slider rows, eight check
// box rows and a row of three buttons.
constexpr int kLabelW = 120;
constexpr int kSliderH = 16;
constexpr int kSliderRow = 22;
constexpr int kCheckH = 14;
constexpr int kCheckRow = 18;
constexpr int kOptionsButtonW = 80;
constexpr int kNoteRow = 14;

}  // namespace

DialogRunner RunRulesDialog = LibraryDialog;

void BuildOptionsDialog(DIALOG* items) {
  DialogLayoutValues& L = DialogLayout;
  L.DialogX = 250;
  L.DialogY = 130;
  L.ButtonW = kOptionsButtonW;
  L.ButtonH = 22;
  L.Spacing = 6;
  L.TitleBarHeight = 16;
  L.DialogW = 3 * L.ButtonW + 2 * L.Spacing + 4 * L.Spacing;
  const int top = L.DialogY + L.TitleBarHeight + 2 * L.Spacing;
  const int checksTop = top + 2 * kSliderRow + L.Spacing;
  const int scaleTop = checksTop + kOptionsCheckCount * kCheckRow + L.Spacing;
  const int buttonsTop = scaleTop + kSliderRow + kCheckRow + kNoteRow + L.Spacing;
  L.DialogH = buttonsTop + L.ButtonH + 2 * L.Spacing - L.DialogY;

  for (int i = 0; i < kOptionsItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                 const char* text) { SetDialogItem(items[i], proc, x, y, w, h, key, flags, text); };
  const int left = L.DialogX + 2 * L.Spacing;
  set(kOptionsBox, ShadowBoxProc, L.DialogX, L.DialogY, L.DialogW, L.DialogH, 0, 0, "Options");

  const int sliderX = left + kLabelW;
  const int sliderW = L.DialogW - 4 * L.Spacing - kLabelW;
  set(kOptionsRangeLabel, TextProc, left, top + 2, kLabelW, kSliderH, 0, 0, "Enemy Range:");
  set(kOptionsRange, NumberFieldProc, sliderX, top, sliderW, kSliderH, 'E', 0, nullptr);
  items[kOptionsRange].d1 = kEnemyRangeMax;
  items[kOptionsRange].d2 = std::clamp(GameOptions.enemyrange, 0, kEnemyRangeMax);
  set(kOptionsVolumeLabel, TextProc, left, top + kSliderRow + 2, kLabelW, kSliderH, 0, 0,
      "Sound Volume:");
  set(kOptionsVolume, NumberFieldProc, sliderX, top + kSliderRow, sliderW, kSliderH, 'S', 0,
      nullptr);
  items[kOptionsVolume].d1 = kVolumeMax;
  items[kOptionsVolume].d2 = std::clamp(GameOptions.volume, 0, kVolumeMax);

  for (int i = 0; i < kOptionsCheckCount; i++) {
    const CheckRow& row = kChecks[i];
    int flags = GameOptions.*row.field ? D_SELECTED : 0;
    set(kOptionsMultiTurn + i, CheckProc, left, checksTop + i * kCheckRow,
        L.DialogW - 4 * L.Spacing, kCheckH, row.key, flags, row.label);
    items[kOptionsMultiTurn + i].d1 = 1;  // the box first, its label after it
  }

  // The window: its scale and how it is smoothed.
  set(kOptionsScaleLabel, TextProc, left, scaleTop + 2, kLabelW, kSliderH, 0, 0, "Window Scale:");
  set(kOptionsScale, NumberFieldProc, sliderX, scaleTop, sliderW, kSliderH, 'W', 0, nullptr);
  items[kOptionsScale].d1 = kScaleMax;
  items[kOptionsScale].d2 = std::clamp(GameOptions.scale, 0, kScaleMax);
  set(kOptionsSmooth, CheckProc, left, scaleTop + kSliderRow, L.DialogW - 4 * L.Spacing, kCheckH,
      '9', GameOptions.smooth ? D_SELECTED : 0, "Smooth window scaling");
  items[kOptionsSmooth].d1 = 1;
  set(kOptionsScaleNote, TextProc, left, scaleTop + kSliderRow + kCheckRow,
      L.DialogW - 4 * L.Spacing, kCheckH, 0, 0, "Scale 0 fits the screen; next start.");

  const char* buttons[3] = {"DEFAULT", "CLASSIC", "OK"};
  for (int i = 0; i < 3; i++)
    set(kOptionsDefault + i, ButtonProc, left + i * (L.ButtonW + L.Spacing), buttonsTop,
        L.ButtonW, L.ButtonH, buttons[i][0], D_EXIT, buttons[i]);
  set(kOptionsWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
  // The last item stays empty: the end of the dialog.
}

void TakeOptionsDialog(const DIALOG* items) {
  GameOptions.enemyrange = std::clamp(items[kOptionsRange].d2, 0, kEnemyRangeMax);
  GameOptions.volume = std::clamp(items[kOptionsVolume].d2, 0, kVolumeMax);
  for (int i = 0; i < kOptionsCheckCount; i++)
    GameOptions.*kChecks[i].field = (items[kOptionsMultiTurn + i].flags & D_SELECTED) ? 1 : 0;
  GameOptions.scale = std::clamp(items[kOptionsScale].d2, 0, kScaleMax);
  GameOptions.smooth = (items[kOptionsSmooth].flags & D_SELECTED) ? 1 : 0;
}

void ApplyOptionsPreset(int preset) {
  const PresetValues& p = kPresets[preset == kPresetClassic ? kPresetClassic : kPresetDefault];
  GameOptions.enemyrange = p.enemyrange;
  for (int i = 0; i < kOptionsCheckCount; i++) GameOptions.*kChecks[i].field = p.checks[i];
}

int OptionsDialog() {
  DIALOG items[kOptionsItemCount];
  BuildOptionsDialog(items);
  // The screen under the dialog comes back when it closes (the frame keeps its shadow
  // inside its own rectangle).
  const int x = DialogLayout.DialogX, y = DialogLayout.DialogY;
  BITMAP* shown = gui_get_screen();
  BITMAP* under = shown ? create_bitmap(DialogLayout.DialogW, DialogLayout.DialogH)
                        : nullptr;
  if (under) {
    scare_mouse_area(x, y, under->w, under->h);
    blit(shown, under, x, y, 0, 0, under->w, under->h);
    unscare_mouse();
  }

  int focus = kOptionsOk;
  for (;;) {
    int choice = RunRulesDialog(items, focus);
    TakeOptionsDialog(items);
    if (ExitRequest >= 2) break;
    if (choice != kOptionsDefault && choice != kOptionsClassic) break;
    ApplyOptionsPreset(choice == kOptionsClassic ? kPresetClassic : kPresetDefault);
    BuildOptionsDialog(items);
    focus = choice;
  }

  if (under) {
    scare_mouse_area(x, y, under->w, under->h);
    blit(under, shown, 0, 0, x, y, under->w, under->h);
    unscare_mouse();
    destroy_bitmap(under);
  }
  Ambience(0, 0, kAmbienceVolume);
  SetDisplaySmoothing(GameOptions.smooth != 0);
  Sys().Wait(100);
  Sys().ClearKeys();
  return 0;
}
