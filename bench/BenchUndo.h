#pragma once

class RevellTrack;

// Undoing one insert in a layout of 4,000 pieces in the real window, beside
// the replay the undo causes: "undo n=4000 ms=<x> replay_ms=<y> ratio=<x/y>".
// The window runs in a scratch folder, so no log or setting is written.
void benchUndo(const RevellTrack &aCatalog);
