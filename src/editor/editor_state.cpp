#include "editor/editor_state.h"

#include "quest/quest_model.h"

int EditorItem = 1;
int ContentLevel = kFirstContentLevel;

int ToolItemBound(int tool) {
  switch (tool) {
    case kToolFloor:
      return kFloorItems;
    case kToolDoor:
      return 2;
    case kToolObject:
      return PrefabCount > 0 ? PrefabCount : 1;
    default:
      return 1;
  }
}

void ClampEditorItem() {
  if (EditorItem > ToolItemBound(EditorTool)) EditorItem = 1;
}
