// The side panel while the editor runs: the current tool and item.
#pragma once

// Draws the panel picture for EditorTool and EditorItem and puts the panel area on the
// screen.
void DrawEditorPanel();
