// The "Options" dialog: the house rules of play (enemy range, sound volume and eight
// switches), with the two presets DEFAULT and CLASSIC. Reached from the main menu,
// the editor's menu and the game menu. The values take effect at once and are stored
// in dunmar.cfg at exit.
#pragma once
#include <allegro.h>

// Item indexes of the dialog.
enum OptionsDialogItem {
  kOptionsBox = 0,
  kOptionsRangeLabel,
  kOptionsRange,  // number field 0..99
  kOptionsVolumeLabel,
  kOptionsVolume,  // number field 0..10
  kOptionsMultiTurn,
  kOptionsSwap,
  kOptionsAltDice,
  kOptionsOneLife,
  kOptionsFixedWalk,
  kOptionsPassHeroes,
  kOptionsTargetHeroes,
  kOptionsSkirmish,
  kOptionsScaleLabel,
  kOptionsScale,   // number field 0..4: the window scale, 0 automatic (next start)
  kOptionsSmooth,  // smooth window scaling
  kOptionsScaleNote,
  kOptionsDefault,
  kOptionsClassic,
  kOptionsOk,
  kOptionsWatcher,
  kOptionsItemCount = kOptionsWatcher + 2,  // the items above and the closing entry
};
constexpr int kOptionsCheckCount = 8;

// The ranges the dialog offers; dunmar.cfg may hold anything.
constexpr int kEnemyRangeMax = 99;
constexpr int kVolumeMax = 10;
constexpr int kScaleMax = 4;

enum OptionsPreset { kPresetDefault = 0, kPresetClassic = 1 };

// How the rules' dialogs are run: the library's do_dialog, which returns the index of
// the item that closed the dialog (negative for Escape). Tests put a scripted runner
// in its place, as the library's dialog manager needs a display and a timer.
using DialogRunner = int (*)(DIALOG* items, int focus);
extern DialogRunner RunRulesDialog;

// Sets the dialog's layout values and fills items (kOptionsItemCount entries) from
// GameOptions, values outside the dialog's ranges held to them.
void BuildOptionsDialog(DIALOG* items);
// Copies the sliders and check boxes back into GameOptions (the window scale and its
// smoothing too: the smoothing shows at once, a new scale at the next start).
void TakeOptionsDialog(const DIALOG* items);
// Sets the preset's values; the volume stays as it is.
void ApplyOptionsPreset(int preset);

// Runs the dialog until "OK", Escape or a confirmed close of the program. The screen
// under the dialog is put back afterwards and the ambient loop follows a new volume.
// Returns 0.
int OptionsDialog();
