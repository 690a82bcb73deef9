// The "Quest Properties" dialog: the quest's title, author and story texts, the heroes
// that take part, the chapter numbers, the board size (shown only), the gold reward,
// the objective and the wandering monster. Changes go straight into the QuestHeader.
#pragma once
#include <allegro.h>

// Runs the dialog (a pop-up with one " OK " button; Escape keeps the changes as well).
void EditQuestProperties();

// Item indexes of the dialog.
enum QuestPropertiesItem {
  kQuestPropsBox = 0,
  kQuestPropsQuestLabel,
  kQuestPropsQuest,  // text fields edit the header in place
  kQuestPropsAuthorLabel,
  kQuestPropsAuthor,
  kQuestPropsBriefingLabel,
  kQuestPropsBriefing,
  kQuestPropsVictoryLabel,
  kQuestPropsVictory,
  kQuestPropsDefeatLabel,
  kQuestPropsDefeat,
  kQuestPropsHeroesLabel,
  kQuestPropsHero1,  // four check boxes
  kQuestPropsHero4 = kQuestPropsHero1 + 3,
  kQuestPropsChapterLabel,
  kQuestPropsChapter,  // number fields
  kQuestPropsChaptersLabel,
  kQuestPropsChapters,
  kQuestPropsMapWLabel,
  kQuestPropsMapW,
  kQuestPropsMapHLabel,
  kQuestPropsMapH,
  kQuestPropsRewardHeading,
  kQuestPropsPerHeroLabel,
  kQuestPropsPerHero,  // counts in tens
  kQuestPropsGroupLabel,
  kQuestPropsGroup,  // counts in tens
  kQuestPropsObjectiveLabel,
  kQuestPropsObjective,  // list boxes
  kQuestPropsWanderingLabel,
  kQuestPropsWandering,
  kQuestPropsOk,
  kQuestPropsWatcher,
  kQuestPropsItemCount = kQuestPropsWatcher + 2,  // the items above and the closing entry
};

// The chapter numbers a quest file gives back: 1..20.
constexpr int kLastChapter = 20;
// The story texts as long as a quest file line keeps them.
int StoryTextLimit();

// Fills items (kQuestPropsItemCount entries) from the QuestHeader.
void BuildQuestPropertiesDialog(DIALOG* items);
// Writes the controls back into the QuestHeader, each value held to what its field
// stores and a quest file gives back.
void TakeQuestPropertiesDialog(const DIALOG* items);
